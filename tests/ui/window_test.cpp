// The main window: its shape, its controls and their order, its colours,
// the display's focus behaviour, dragging, and the window commands.
#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QScrollBar>
#include <QStyleHints>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegion>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <utility>

#include "layout/window_layout.h"
#include "ui/art_resources.h"
#include "ui/focus_ring.h"
#include "layout/button_table.h"
#include "ui/clipboard_actions.h"
#include "ui/speech_announcer.h"
#include "ui/tape_view.h"
#include "ui/window_placement.h"
#include "window_fixture.h"

namespace varuno::test {
namespace {

TEST_F(WindowTest, HasItsFixedSizeTitleAndRoundedOutline) {
  EXPECT_EQ(window->size(), QSize(429, 491));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("바루노 계산기"));
  EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(window->windowIcon().isNull());

  const QRegion mask = window->mask();
  EXPECT_EQ(mask.boundingRect(), QRect(0, 0, 429, 491));
  struct Point {
    int x, y;
    bool inside;
  };
  // The corners are cut by the 15 x 15 ellipse, all four alike; the rim
  // between them stays.
  const Point points[] = {
      {0, 0, false},     {4, 0, false},     {5, 0, true},      {0, 4, false},     {0, 5, true},
      {428, 0, false},   {424, 0, false},   {423, 0, true},    {0, 490, false},   {428, 490, false},
      {214, 0, true},    {0, 245, true},    {428, 245, true},  {214, 490, true},  {2, 2, true},
      {1, 1, false},     {424, 490, false}, {423, 490, true},  {428, 486, false}, {428, 485, true},
      {426, 488, true},  {427, 489, false},
  };
  for (const Point& p : points) {
    EXPECT_EQ(mask.contains(QPoint(p.x, p.y)), p.inside) << p.x << "," << p.y;
  }
}

// At each corner, along every row and every column, the first pixel inside
// the window is the skin's grey rim and the one outside it is not: no face
// stands outside the rim, and the rim is not cut.
TEST_F(WindowTest, CutsItsFourCornersAlikeJustOutsideTheSkinsRim) {
  const QRegion mask = window->mask();
  const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage skin = LoadArtPixmap(kSkinBitmapId, 1.0).toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shot.size(), QSize(429, 491));
  constexpr int kZone = 8;  // the corner ellipse's reach and a little more
  struct Corner {
    const char* name;
    bool right, bottom;
  };
  for (const Corner corner : {Corner{"top left", false, false}, Corner{"top right", true, false},
                              Corner{"bottom left", false, true}, Corner{"bottom right", true, true}}) {
    // A point given as if at the top left, mirrored to this corner.
    const auto at = [&corner](int across, int down) {
      return QPoint(corner.right ? 428 - across : across, corner.bottom ? 490 - down : down);
    };
    // A rim pixel is clearly darker than the face beside the corner.
    const int face = qGray(skin.pixel(at(kZone + 2, kZone + 2)));
    const auto isRim = [&face](QRgb pixel) { return qGray(pixel) < face - 40; };
    for (int line = 0; line < kZone; ++line) {
      for (const bool byRow : {true, false}) {
        const auto point = [&](int in) { return byRow ? at(in, line) : at(line, in); };
        int first = 0;
        while (first < kZone && !mask.contains(point(first))) {
          ++first;
        }
        // The same cut at every corner as at the top left.
        const auto topLeft = [&](int in) { return byRow ? QPoint(in, line) : QPoint(line, in); };
        EXPECT_TRUE(mask.contains(topLeft(first)) && (first == 0 || !mask.contains(topLeft(first - 1))))
            << corner.name << (byRow ? " row " : " column ") << line;
        ASSERT_LT(first, kZone) << corner.name << " line " << line;
        EXPECT_TRUE(isRim(shot.pixel(point(first))))
            << corner.name << (byRow ? " row " : " column ") << line << ": first pixel inside is face";
        if (first > 0) {
          EXPECT_FALSE(isRim(skin.pixel(point(first - 1))))
              << corner.name << (byRow ? " row " : " column ") << line << ": the mask cuts the rim";
        }
      }
    }
  }
}

TEST_F(WindowTest, PlacesTheLayoutControlsInTabOrderWithTheFocusInTheList) {
  struct Row {
    ControlId id;
    QRect geometry;
    const char* accessibleName;
  };
  const std::array<Row, 5> rows{{
      {IDC_MEMORY_LIST, QRect(15, 345, 162, 114), "메모리 목록"},
      {IDC_TAPE, QRect(15, 134, 162, 137), "계산 기록"},
      {IDC_DISPLAY, QRect(221, 143, 173, 20), "표시창"},
      {IDC_LOGO, QRect(143, 11, 150, 63), nullptr},
      {IDC_HOMEPAGE, QRect(269, 87, 86, 15), nullptr},
  }};
  for (const Row& row : rows) {
    QWidget* control = window->Control(row.id);
    ASSERT_NE(control, nullptr) << row.id;
    EXPECT_EQ(control->geometry(), row.geometry) << row.id;
    if (row.accessibleName != nullptr) {
      EXPECT_EQ(control->accessibleName(), QString::fromUtf8(row.accessibleName)) << row.id;
    }
  }
  EXPECT_EQ(window->Control(1005), nullptr);
  EXPECT_NE(window->Button(IDC_LOGO), nullptr);
  EXPECT_EQ(window->Button(IDC_TAPE), nullptr);

  EXPECT_EQ(QApplication::focusWidget(), window->Control(IDC_MEMORY_LIST));
  EXPECT_EQ(window->DisplayText(), "0");
  EXPECT_EQ(window->Tape().TapeText(), "");

  // Tab walks the layout controls in order, hot spots included, and wraps.
  for (std::size_t i = 1; i <= rows.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->Control(rows[i % rows.size()].id)) << i;
  }
}

// Each Tab shows where the focus went and takes the cue away from where it
// was, changing nothing outside those two controls; between the two
// invisible hot spots nothing changes at all. Once with an empty memory
// list and once with rows in it.
// WCAG's contrast ratio of two colours, 1 to 21.
double ContrastRatio(QRgb a, QRgb b) {
  const auto luminance = [](QRgb rgb) {
    const auto channel = [](int value) {
      const double c = value / 255.0;
      return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
  };
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The lowest contrast between the focus ring around `control` and the
// pixels beside it, outside the ring and in the gap between ring and control.
double LowestRingContrast(const QImage& image, const QRect& control) {
  const int margin = kFocusRingGap + kFocusRingWidth;
  const QRect ring = control.adjusted(-margin, -margin, margin, margin);
  double lowest = 21.0;
  const auto compare = [&](QPoint on, QPoint beside) {
    if (image.rect().contains(beside)) {
      lowest = std::min(lowest, ContrastRatio(image.pixel(on), image.pixel(beside)));
    }
  };
  for (int x = ring.left() + margin; x <= ring.right() - margin; ++x) {
    compare({x, ring.top()}, {x, ring.top() - 1});
    compare({x, ring.bottom()}, {x, ring.bottom() + 1});
    compare({x, ring.top() + kFocusRingWidth - 1}, {x, ring.top() + kFocusRingWidth});
    compare({x, ring.bottom() - kFocusRingWidth + 1}, {x, ring.bottom() - kFocusRingWidth});
  }
  for (int y = ring.top() + margin; y <= ring.bottom() - margin; ++y) {
    compare({ring.left(), y}, {ring.left() - 1, y});
    compare({ring.right(), y}, {ring.right() + 1, y});
    compare({ring.left() + kFocusRingWidth - 1, y}, {ring.left() + kFocusRingWidth, y});
    compare({ring.right() - kFocusRingWidth + 1, y}, {ring.right() - kFocusRingWidth, y});
  }
  return lowest;
}

// Each tab stop, the hot spots included, shows the focus ring while it has
// the focus and only then, at 3:1 or more against what surrounds it; no
// other pixel changes.
TEST_F(WindowTest, ShowsTheFocusOfEachTabStopTheHotSpotsIncluded) {
  QStyleHints* hints = QGuiApplication::styleHints();
  const int flashTime = hints->cursorFlashTime();
  hints->setCursorFlashTime(0);  // a caret that does not blink, for comparable grabs
  struct Step {
    ControlId from, to;
  };
  const Step steps[] = {
      {IDC_MEMORY_LIST, IDC_TAPE}, {IDC_TAPE, IDC_DISPLAY}, {IDC_DISPLAY, IDC_LOGO},
      {IDC_LOGO, IDC_HOMEPAGE},    {IDC_HOMEPAGE, IDC_MEMORY_LIST},
  };
  const int margin = kFocusRingGap + kFocusRingWidth;
  for (const char* keys : {"", "12+3=M"}) {
    Press(keys);
    // Into the list from the keyboard, as the cues show after keyboard use.
    window->Control(IDC_HOMEPAGE)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window->Control(IDC_MEMORY_LIST));
    QImage before = window->grab().toImage();
    for (const Step& step : steps) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      ASSERT_EQ(QApplication::focusWidget(), window->Control(step.to)) << keys;
      const QImage after = window->grab().toImage();
      const QRect to = window->Control(step.to)->geometry();
      const QRegion allowed = QRegion(window->Control(step.from)->geometry().adjusted(-margin, -margin, margin, margin)) +
                              to.adjusted(-margin, -margin, margin, margin);
      bool changed = false;
      bool changedElsewhere = false;
      for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
          if (after.pixel(x, y) != before.pixel(x, y)) {
            changed = true;
            changedElsewhere = changedElsewhere || !allowed.contains(QPoint(x, y));
          }
        }
      }
      EXPECT_TRUE(changed) << "\"" << keys << "\" Tab from " << step.from << " to " << step.to;
      EXPECT_FALSE(changedElsewhere) << "\"" << keys << "\" Tab from " << step.from << " to " << step.to;
      const double contrast = LowestRingContrast(after, to);
      EXPECT_GE(contrast, 3.0) << "control " << step.to;
      std::printf("focus ring of %d: lowest contrast %.2f:1\n", step.to, contrast);
      before = after;
    }
  }
  // A hot spot without the focus is invisible again: the face is as it was
  // with the focus on no tab stop at all.
  window->Button(IDC_BTN_5)->setFocus(Qt::MouseFocusReason);
  const QImage unfocused = window->grab().toImage();
  window->Control(IDC_LOGO)->setFocus(Qt::TabFocusReason);
  window->Button(IDC_BTN_5)->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(window->grab().toImage(), unfocused);
  hints->setCursorFlashTime(flashTime);
}

// Run also with QT_SCALE_FACTOR=2 (ctest does): the skin is then painted from
// its 2x picture, pixel for pixel, not scaled up from the 1x one.
TEST_F(WindowTest, DrawsTheControlsOnWhiteAndTheFaceAndHotSpotsOnTheSkin) {
  const qreal ratio = window->devicePixelRatioF();
  const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage skin = LoadArtPixmap(kSkinBitmapId, ratio).toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(skin.isNull());
  ASSERT_EQ(shot.size(), skin.size());
  ASSERT_EQ(shot.size(), QSize(429, 491) * ratio);
  const auto device = [ratio](const QRect& r) {
    return QRect(r.topLeft() * ratio, r.size() * ratio);
  };

  // Tape, memory list and the empty left part of the display.
  for (const QRect white : {QRect(30, 150, 100, 100), QRect(30, 360, 100, 80), QRect(225, 146, 60, 14)}) {
    const QImage area = shot.copy(device(white));
    QImage allWhite(area.size(), area.format());
    allWhite.fill(Qt::white);
    EXPECT_EQ(area, allWhite)
        << white.x() << "," << white.y();
  }
  // The logo and the address under the hot spots, and bare face and panels.
  for (const QRect face : {QRect(143, 11, 150, 63), QRect(269, 87, 86, 15), QRect(0, 280, 11, 100),
                           QRect(11, 272, 172, 18), QRect(0, 471, 429, 20)}) {
    EXPECT_EQ(shot.copy(device(face)), skin.copy(device(face))) << face.x() << "," << face.y();
  }
  // The skin is not plain white where the face is.
  EXPECT_NE(skin.pixelColor(QPoint(5, 300) * ratio), QColor(Qt::white));

  // The display box keeps its whole frame around the opaque display: every
  // pixel of its four lines shows the frame colour.
  const PixelRect box = kDisplayBox;
  const QRect lines[] = {{box.x, box.y, box.width, 1}, {box.x, box.Bottom(), box.width, 1},
                         {box.x, box.y, 1, box.height}, {box.Right(), box.y, 1, box.height}};
  for (const QRect& line : lines) {
    const QRect pixels = device(line);
    int wrong = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
      for (int x = pixels.left(); x <= pixels.right(); ++x) {
        wrong += shot.pixel(x, y) != (0xFF000000U | kDisplayFrameRgb) ? 1 : 0;
      }
    }
    EXPECT_EQ(wrong, 0) << "frame line at " << line.x() << "," << line.y() << " " << line.width()
                        << "x" << line.height();
  }
}

TEST_F(WindowTest, DisplayDropsItsCommasWhileFocusedAndRegroupsAfter) {
  struct Row {
    const char* keys;      // typed before, to set the display from the entry
    const char* shown;     // display before the focus arrives
    const char* focused;   // display while focused
    const char* left;      // display after the focus has gone
    const char* entry;     // the engine's entry throughout
  };
  const Row rows[] = {
      {"1234567.5", "1,234,567.5", "1234567.5", "1,234,567.5", "1234567.5"},
      {"12.50", "12.50", "12.50", "12.5", "12.50"},
      {"0.", "0.", "0.", "0", "0."},
      {"S1000", "-1,000", "-1000", "-1,000", "1000"},
  };
  QWidget* display = window->Control(IDC_DISPLAY);
  QWidget* list = window->Control(IDC_MEMORY_LIST);
  for (const Row& row : rows) {
    Press("C");
    Press(row.keys);
    EXPECT_EQ(window->DisplayText(), row.shown) << row.keys;
    display->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(window->DisplayText(), row.focused) << row.keys;
    list->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(window->DisplayText(), row.left) << row.keys;
    EXPECT_EQ(window->Engine().State().m_strEntry, row.entry) << row.keys;
  }
  // An operation that rewrites the display while it has the focus brings
  // the commas back; leaving then reads the whole number, not just "1".
  Press("C");
  display->setFocus(Qt::TabFocusReason);
  Press("1234567");
  EXPECT_EQ(window->DisplayText(), "1,234,567");
  list->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(window->DisplayText(), "1,234,567");
}

// With a scroll bar the list is narrower than a rule row: the row is clipped
// at the edge, not ended in "…". The rule is one unbroken line, so every
// pixel of its darkest line up to the list's edge is ink.
TEST_F(WindowTest, MemoryListClipsWideRowsWithoutEllipsis) {
  Press("C1M2M3M4M5M6M7M8M9M");
  auto* list = static_cast<QListWidget*>(window->Control(IDC_MEMORY_LIST));
  ASSERT_EQ(list->count(), 11);
  ASSERT_TRUE(list->verticalScrollBar()->isVisible());
  list->scrollToItem(list->item(9));
  const QRect rule = list->visualItemRect(list->item(9));
  const QImage shot = list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_GT(rule.height(), 0);
  ASSERT_GE(rule.right(), shot.width() - 1) << "the rule row fits; nothing to clip";
  int inkLine = -1;
  int mostInk = 0;
  for (int y = rule.top(); y <= rule.bottom(); ++y) {
    int ink = 0;
    for (int x = 0; x < shot.width(); ++x) {
      ink += qGray(shot.pixel(x, y)) < 128 ? 1 : 0;
    }
    if (ink > mostInk) {
      mostInk = ink;
      inkLine = y;
    }
  }
  ASSERT_GE(inkLine, 0);
  for (int x = shot.width() - 24; x < shot.width(); ++x) {
    EXPECT_LT(qGray(shot.pixel(x, inkLine)), 128) << "gap in the rule at x " << x;
  }
}

// Presses, moves and releases the left button on `target` with explicit
// screen positions, as the window system would deliver them.
void Drag(QWidget* target, QPoint local, QPoint by) {
  const QPoint global = target->mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  for (int step = 1; step <= 2; ++step) {
    const QPoint offset = by * step / 2;
    QMouseEvent move(QEvent::MouseMove, local + offset, global + offset, Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
  }
  QMouseEvent release(QEvent::MouseButtonRelease, local + by, global + by, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

TEST_F(WindowTest, DragsByTheBareFaceButNotByAControl) {
  const QPoint start = window->pos();
  Drag(window.get(), QPoint(5, 300), QPoint(30, 20));
  EXPECT_EQ(window->pos(), start + QPoint(30, 20));

  const QPoint moved = window->pos();
  auto* tape = static_cast<QPlainTextEdit*>(window->Control(IDC_TAPE));
  Drag(tape->viewport(), QPoint(40, 40), QPoint(30, 20));
  Drag(window->Control(IDC_LOGO), QPoint(10, 10), QPoint(30, 20));
  Drag(window->Control(IDC_DISPLAY), QPoint(10, 10), QPoint(30, 20));
  EXPECT_EQ(window->pos(), moved);
}

// Run again at scale 2, where the screen is too small for the window: its
// top edge and its title buttons must still be on the screen.
TEST_F(WindowTest, StartsCentredOnTheWorkAreaOrWithItsTitleButtonsOnIt) {
  const QRect area = window->screen()->availableGeometry();
  const QRect frame = window->geometry();
  if (frame.height() <= area.height()) {
    EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 1);
  } else {
    EXPECT_EQ(frame.top(), area.top());
  }
  if (frame.width() <= area.width()) {
    EXPECT_LE(std::abs(frame.center().x() - area.center().x()), 1);
  }
  for (const ControlId id : {IDC_BTN_MINIMIZE, IDC_BTN_ABOUT, IDCANCEL}) {
    const QWidget* button = window->Control(id);
    const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
    EXPECT_TRUE(area.contains(onScreen)) << id;
  }
}

TEST(WindowPlacementTest, CentresWhereTheWindowFitsAndKeepsTheTitleButtonsOnTheAreaWhereNot) {
  const QSize window(429, 491);
  struct Row {
    const char* name;
    QRect area;
    QPoint expected;
  };
  const Row rows[] = {
      {"1024 x 768", QRect(0, 0, 1024, 768), QPoint(297, 138)},
      {"under a top panel", QRect(0, 27, 1024, 741), QPoint(297, 152)},
      {"second screen to the right", QRect(1920, 0, 1280, 1024), QPoint(2345, 266)},
      {"exactly the window's size", QRect(10, 20, 429, 491), QPoint(10, 20)},
      {"1024 x 768 at scale 2: too low", QRect(0, 0, 512, 384), QPoint(41, 0)},
      {"1280 x 720 at scale 1.5: too low", QRect(0, 0, 853, 480), QPoint(212, 0)},
      {"too narrow: the right edge stays", QRect(100, 0, 400, 600), QPoint(71, 54)},
      {"too small both ways", QRect(0, 30, 400, 300), QPoint(-29, 30)},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(OpeningPosition(row.area, window), row.expected) << row.name;
  }
}

TEST_F(WindowTest, HotSpotsOpenTheHomepageUnderAHandCursor) {
  for (const ControlId id : {IDC_LOGO, IDC_HOMEPAGE}) {
    QAbstractButton* spot = window->Button(id);
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->cursor().shape(), Qt::PointingHandCursor);
    spot->setFocus(Qt::TabFocusReason);
    QTest::keyClick(spot, Qt::Key_Space);
  }
  EXPECT_EQ(shell.opened, QStringList({QStringLiteral("https://www.example.kr"),
                                       QStringLiteral("https://www.example.kr")}));
  EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WindowTest, RoutesWindowCommandsAndDropsUnknownOnes) {
  window->OnCommand(BN_DOUBLECLICKED, IDC_BTN_7);
  window->OnCommand(BN_CLICKED, 1005);
  window->OnCommand(BN_CLICKED, IDC_TAPE);
  EXPECT_EQ(window->DisplayText(), "0");
  EXPECT_TRUE(window->isVisible());

  window->OnCommand(BN_CLICKED, IDC_BTN_ABOUT);
  window->OnSysCommand(ABOUT_SYSCOMMAND | 0x3);
  window->OnSysCommand(0x0020);  // not the About command, however its low bits read
  EXPECT_EQ(shell.aboutShown, 2);

  window->OnCommand(BN_CLICKED, IDC_BTN_MINIMIZE);
  EXPECT_TRUE(window->isMinimized());
  window->showNormal();

  window->OnCommand(BN_CLICKED, IDCANCEL);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->result(), QDialog::Rejected);
}

// Runs `action` and returns how many window menus opened meanwhile (each is
// closed again at once).
int WindowMenusOpenedBy(const std::function<void()>& action) {
  int opened = 0;
  QTimer closer;
  closer.setInterval(5);
  QObject::connect(&closer, &QTimer::timeout, &closer, [&opened] {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      opened += popup->objectName() == QStringLiteral("windowMenu") ? 1 : 0;
      popup->close();
    }
  });
  closer.start();
  action();
  QTest::qWait(30);
  return opened;
}

TEST_F(WindowTest, OpensTheWindowMenuFromTheBareFaceAndAltSpaceOnly) {
  QWindow* handle = window->windowHandle();
  EXPECT_EQ(WindowMenusOpenedBy([handle] { QTest::mouseClick(handle, Qt::RightButton, {}, QPoint(5, 300)); }), 1);
  // The offscreen platform does not give the activation back when a popup closes.
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  // Alt+Space as a title bar has it, the Menu key and Shift+F10, from any control.
  const std::pair<Qt::Key, Qt::KeyboardModifiers> menuKeys[] = {
      {Qt::Key_Space, Qt::AltModifier}, {Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}};
  for (const ControlId focus : {IDC_MEMORY_LIST, IDC_TAPE, IDC_DISPLAY}) {
    for (const auto& [key, modifiers] : menuKeys) {
      window->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
      window->Control(focus)->setFocus(Qt::TabFocusReason);
      EXPECT_EQ(WindowMenusOpenedBy([handle, key = key, modifiers = modifiers] {
                  QTest::keyClick(handle, key, modifiers);
                }),
                1)
          << "control " << focus << " key " << key;
    }
  }
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  // The tape, the display and a hot spot are not bare face.
  for (const QPoint control : {QPoint(60, 200), QPoint(300, 150), QPoint(200, 40)}) {
    EXPECT_EQ(WindowMenusOpenedBy([handle, control] { QTest::mouseClick(handle, Qt::RightButton, {}, control); }), 0)
        << control.x() << "," << control.y();
  }
}

// What the announcer speaks after each action, and that it speaks nothing
// for typed digits (their button's name is heard as it takes the focus).
TEST_F(WindowTest, AnnouncesResultsPastesAndTheDisplaysValueButNotDigits) {
  SpeechAnnouncer& announcer = window->Announcer();
  const struct {
    const char* keys;
    const char* spoken;  // the last text announced after the keys
    bool typed = false;  // as key presses, which click the buttons and move the focus
  } cases[] = {
      {"1234+", "1,234"}, {"5", "1,234"}, {"=", "1,239"},
      // A typed digit is heard by the focus moving to its button; a repeated
      // one moves nothing and says its name.
      {"10", "1,239", true}, {"0", "0", true},
      {"5/0=", "0으로 나눌 수 없습니다"}, {"C5M", "합계 5"},
  };
  for (const auto& c : cases) {
    if (!c.typed) {
      Press(c.keys);
    }
    for (const char* key = c.keys; c.typed && *key != '\0'; ++key) {
      QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(*key));
      QCoreApplication::processEvents();  // the key's queued click
    }
    EXPECT_EQ(announcer.Text().toStdString(), c.spoken) << c.keys;
  }
  // A paste is several clicks; the number is announced once, after them.
  QGuiApplication::clipboard()->setText(QStringLiteral("12,345"));
  ASSERT_TRUE(window->Clipboard().OnShortcut(ShortcutAction::Paste, window->Control(IDC_TAPE)));
  EXPECT_TRUE(QTest::qWaitFor([&announcer] { return announcer.Text() != QStringLiteral("합계 5"); }, 1000));
  EXPECT_EQ(announcer.Text().toStdString(), "12,345, 1만 2,345");
  // An undo or redo speaks what came back: the display's value, or the
  // list's total when only the list changed.
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* spoken;
  } undos[] = {
      {Qt::Key_Z, Qt::ControlModifier, "5"},
      {Qt::Key_Z, Qt::ControlModifier, "합계 0"},
      {Qt::Key_Y, Qt::ControlModifier, "합계 5"},
      {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "12,345, 1만 2,345"},
  };
  for (const auto& u : undos) {
    QTest::keyClick(window->Control(IDC_TAPE), u.key, u.modifiers);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(announcer.Text().toStdString(), u.spoken) << u.spoken;
  }
  // The display names itself, after the focus event, with its value as it
  // was shown before the focus took the group commas.
  window->Control(IDC_DISPLAY)->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  EXPECT_EQ(announcer.Text().toStdString(), "표시창 12,345, 1만 2,345");
}

// A bitmap button's tooltip is not its accessible description: a screen
// reader would read the name twice ("1", then "1 (1)").
TEST_F(WindowTest, ButtonsGiveAScreenReaderTheirNameButNotTheirTooltip) {
  for (const ButtonRow& row : ButtonTable()) {
    QAbstractButton* button = window->Button(row.controlId);
    ASSERT_FALSE(button->toolTip().isEmpty());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(accessible, nullptr) << row.objectName;
    EXPECT_EQ(accessible->role(), QAccessible::Button) << row.objectName;
    EXPECT_EQ(accessible->text(QAccessible::Name), button->accessibleName()) << row.objectName;
    EXPECT_TRUE(accessible->text(QAccessible::Description).isEmpty()) << row.objectName;
  }
}

// Not a check: VARUNO_UI_SCREENSHOT=<file.png> saves the window after a short
// calculation, for looking at by eye.
TEST_F(WindowTest, SavesAScreenshotWhenAsked) {
  const QString path = qEnvironmentVariable("VARUNO_UI_SCREENSHOT");
  if (path.isEmpty()) {
    GTEST_SKIP() << "set VARUNO_UI_SCREENSHOT to a PNG path";
  }
  Press("1234.5+678=M250*3=M12345");
  ASSERT_TRUE(window->grab().save(path));
}

}  // namespace
}  // namespace varuno::test
