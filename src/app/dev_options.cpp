#include "app/dev_options.h"

namespace varuno {

DevOptions ParseDevOptions(const QStringList& arguments) {
  DevOptions options;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--screenshot") || argument == QLatin1String("--screenshot-about")) {
      if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
        return DevOptions{{}, false, false, argument + QLatin1String(" needs a file name")};
      }
      if (!options.screenshotFile.isEmpty()) {
        return DevOptions{{}, false, false, QStringLiteral("only one screenshot can be taken")};
      }
      options.screenshotWithAbout = argument == QLatin1String("--screenshot-about");
      options.screenshotFile = arguments[++i];
    } else if (argument == QLatin1String("--bench-exit-after-paint")) {
      options.exitAfterPaint = true;
    }
  }
  if (options.exitAfterPaint && !options.screenshotFile.isEmpty()) {
    return DevOptions{{}, false, false,
                      QStringLiteral("--bench-exit-after-paint and a screenshot exclude each other")};
  }
  return options;
}

}  // namespace varuno
