// The About box: the icon, the program's name and version, the homepage's
// host name and the OK button, laid out in dialog units of its font. Modal
// over the calculator and centred on it; OK, Enter, Esc and the close box
// end it.
#pragma once

#include <QDialog>
#include <QFont>
#include <QRect>
#include <QString>

#include <array>

namespace varuno {

// What one control of the box is.
enum class AboutControlKind {
  Text,          // a line of text, as it stands
  HomepageText,  // a label followed by the homepage's host name
  Icon,          // the application icon at 32 x 32
  OkButton,      // the default push button that closes the box
};

struct AboutControl {
  AboutControlKind kind;
  int id;  // -1 for the static controls
  int x, y, cx, cy;  // dialog units
  const char* text;  // UTF-8; nullptr for the icon
};

// The box's size in dialog units.
inline constexpr int kAboutWidthUnits = 137;
inline constexpr int kAboutHeightUnits = 98;

// The controls in tab order.
inline constexpr std::array<AboutControl, 4> kAboutControls{{
    {AboutControlKind::Text, -1, 38, 14, 84, 8, "바루노 계산기  버전 1.0"},
    {AboutControlKind::HomepageText, -1, 25, 61, 87, 8, "홈페이지: "},
    {AboutControlKind::OkButton, 1, 47, 81, 42, 14, "확인"},
    {AboutControlKind::Icon, -1, 13, 5, 20, 21, nullptr},
}};

inline constexpr char kAboutTitle[] = "바루노 계산기 정보";

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  // `homepageHost` is shown after the homepage label. With a parent the box
  // is modal over it and centred on it.
  explicit CAboutDlg(const QString& homepageHost, QWidget* parent = nullptr);
  ~CAboutDlg() override;

  // The box's font: the bundled Korean sans-serif face standing in for the
  // 9-point system face, at 12 px (9 points at 96 dpi), regular weight.
  static QFont DialogFont();
};

}  // namespace varuno
