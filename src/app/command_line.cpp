#include "app/command_line.h"

#include <array>
#include <cstdint>
#include <string_view>

#ifndef VARUNO_VERSION
#error "VARUNO_VERSION (the project version) must be defined"
#endif

namespace varuno {

namespace {

// How a Qt option takes its value.
enum class QtValue : std::uint8_t {
  None,          // -reverse
  Next,          // -platform xcb: Qt reads no "=" form of these
  NextOrInline,  // -style fusion or -style=fusion
  InlineOnly,    // -qmljsdebugger=port:1234
};

struct QtOption {
  std::string_view name;  // without its leading dash
  QtValue value;
};

// The options QGuiApplication, QApplication and the X11 platform take out of
// the command line themselves (see their class documentation), with the
// form of their value as Qt reads it.
constexpr std::array<QtOption, 17> kQtOptions{{
    {"platform", QtValue::Next},       {"platformpluginpath", QtValue::Next},
    {"platformtheme", QtValue::Next},  {"plugin", QtValue::Next},
    {"qmljsdebugger", QtValue::InlineOnly}, {"qwindowgeometry", QtValue::Next},
    {"qwindowicon", QtValue::Next},    {"qwindowtitle", QtValue::Next},
    {"reverse", QtValue::None},        {"session", QtValue::Next},
    {"display", QtValue::Next},        {"geometry", QtValue::Next},
    {"name", QtValue::Next},           {"title", QtValue::Next},
    {"style", QtValue::NextOrInline},  {"stylesheet", QtValue::NextOrInline},
    {"widgetcount", QtValue::None},
}};

// The Qt option `argument` names, if any: "-style", "--style" and
// "-style=fusion" all name "style"; `inlineValue` tells the last form.
const QtOption* FindQtOption(const QString& argument, bool* inlineValue) {
  if (!argument.startsWith(QLatin1Char('-'))) {
    return nullptr;
  }
  QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
  const qsizetype equals = name.indexOf(QLatin1Char('='));
  *inlineValue = equals >= 0;
  if (equals >= 0) {
    name.truncate(equals);
  }
  const QByteArray latin = name.toLatin1();
  for (const QtOption& option : kQtOptions) {
    if (std::string_view(latin.constData(), static_cast<size_t>(latin.size())) == option.name) {
      return &option;
    }
  }
  return nullptr;
}

CommandLine Error(const QString& message) {
  CommandLine line;
  line.error = message;
  return line;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--help") || arguments[i] == QLatin1String("--version")) {
      CommandLine line;
      line.showHelp = arguments[i] == QLatin1String("--help");
      line.showVersion = !line.showHelp;
      return line;
    }
  }
  CommandLine line;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    bool inlineValue = false;
    if (argument == QLatin1String("--screenshot") || argument == QLatin1String("--screenshot-about")) {
      if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
        return Error(argument + QLatin1String(" needs a file name"));
      }
      if (!line.screenshotFile.isEmpty()) {
        return Error(QStringLiteral("only one screenshot can be taken"));
      }
      line.screenshotWithAbout = argument == QLatin1String("--screenshot-about");
      line.screenshotFile = arguments[++i];
    } else if (argument == QLatin1String("--bench-exit-after-paint")) {
      line.exitAfterPaint = true;
    } else if (const QtOption* qt = FindQtOption(argument, &inlineValue)) {
      // A form Qt does not read would be accepted here and then do nothing.
      if (inlineValue && (qt->value == QtValue::None || qt->value == QtValue::Next)) {
        return Error(QStringLiteral("'%1': give the value of -%2 as the next argument, not after '='")
                         .arg(argument, QLatin1String(qt->name.data(), static_cast<qsizetype>(qt->name.size()))));
      }
      if (!inlineValue && qt->value == QtValue::InlineOnly) {
        return Error(argument + QLatin1String(" needs its value after '='"));
      }
      if (!inlineValue && (qt->value == QtValue::Next || qt->value == QtValue::NextOrInline)) {
        if (i + 1 >= arguments.size()) {
          return Error(argument + QLatin1String(" needs a value"));
        }
        ++i;
      }
    } else if (argument.startsWith(QLatin1Char('-'))) {
      return Error(QStringLiteral("unknown option '%1'").arg(argument));
    } else {
      return Error(QStringLiteral("unexpected argument '%1' (the calculator opens no files)").arg(argument));
    }
  }
  if (line.exitAfterPaint && !line.screenshotFile.isEmpty()) {
    return Error(QStringLiteral("--bench-exit-after-paint and a screenshot exclude each other"));
  }
  return line;
}

QString UsageText() {
  return QStringLiteral(
      "Usage: varunocalc [OPTION]...\n"
      "바루노 계산기 (VarunoCalc): a desktop tape calculator. It works left to right like an\n"
      "adding machine and writes every step on a paper tape beside the display.\n"
      "\n"
      "  --help      print this help and exit\n"
      "  --version   print the version and exit\n"
      "\n"
      "Qt's standard options (-platform NAME, -display DISPLAY, -style STYLE, ...) are accepted.\n"
      "\n"
      "Developer aids:\n"
      "  --screenshot FILE        save a PNG picture of the window to FILE and exit\n"
      "  --screenshot-about FILE  the same, with the About box open over the window\n"
      "  --bench-exit-after-paint print the time of the first paint and the peak memory, then exit\n");
}

QString VersionLine() { return QStringLiteral("varunocalc " VARUNO_VERSION); }

}  // namespace varuno
