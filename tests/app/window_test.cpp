// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real window over a game on a manual clock, driven through the window system as a
// player's mouse would drive it.
// A close request as a window manager sends it has no public form: QWindow::close() marks its
// request as the program's own, which Qt lets past the block that a modal box puts on the
// window system's. handleCloseEvent is the window system's own path, on Qt 6.4 and 6.8 alike.
#include <qpa/qwindowsysteminterface.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "app/pixel_rect.h"
#include "app/qt_pictures.h"
#include "window_fixture.h"

using reedfall::Control;
using reedfall::DuckColour;
using reedfall::LabelId;
using reedfall::LabelSpec;
using reedfall::TimerId;
using reedfall::app::PixelRect;
using reedfall::app::testing::WindowFixture;

namespace {

constexpr QRgb kGreen = qRgb(0, 192, 0);
constexpr QRgb kBlack = qRgb(0, 0, 0);

// Every label's text and whether it shows, in one string.
std::string Captions(const reedfall::MainWindowControls& controls) {
  std::string all;
  for (const reedfall::Label& label : controls.labels) {
    all += label.Caption + (label.Visible ? "|shown\n" : "|hidden\n");
  }
  return all;
}

QPoint PromptCentre() { return PixelRect(reedfall::Spec(LabelId::lblMessage).rect).center(); }

// Antialiased green text: pure green at every coverage, full green where a stroke covers a
// whole pixel. Returns the number of text pixels, or -1 if any is off the text's colour.
int GreenTextPixels(const QImage& image, const QRect& area) {
  int count = 0;
  int brightest = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (p == (kBlack | 0xff000000U)) {
        continue;
      }
      if (qRed(p) != 0 || qBlue(p) != 0 || qGreen(p) > qGreen(kGreen)) {
        return -1;
      }
      ++count;
      brightest = std::max(brightest, qGreen(p));
    }
  }
  return brightest == qGreen(kGreen) ? count : 0;
}

int CountColour(const QImage& image, const QRect& area, QRgb colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      count += image.pixel(x, y) == (colour | 0xff000000U) ? 1 : 0;
    }
  }
  return count;
}

QMessageBox* OpenBox(const WindowFixture& f) {
  for (QMessageBox* box : f.window.findChildren<QMessageBox*>()) {
    if (box->isVisible()) {
      return box;
    }
  }
  return nullptr;
}

// Lets the game run until a round-end box shows.
QMessageBox* RunUntilBox(WindowFixture& f, std::int64_t maxMs) {
  const std::int64_t until = f.clock.Now() + maxMs;
  while (f.clock.Now() <= until) {
    if (QMessageBox* box = OpenBox(f)) {
      return box;
    }
    if (!f.Step()) {
      break;
    }
  }
  return OpenBox(f);
}

void CheckBox(QMessageBox* box, const QString& title, const QString& text) {
  QVERIFY(box != nullptr);
  QCOMPARE(box->windowTitle(), title);
  QCOMPARE(box->text(), text);
  QCOMPARE(box->icon(), QMessageBox::NoIcon);
  QCOMPARE(box->buttons().size(), 1);
  QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
  QVERIFY(box->button(QMessageBox::Ok)->icon().isNull());
  // In front, with the keyboard: Return is its OK.
  QCOMPARE(QApplication::activeWindow(), box);
}

// Records the regions that widgets are asked to paint.
class PaintRecorder final : public QObject {
 public:
  explicit PaintRecorder(std::initializer_list<QWidget*> widgets) {
    for (QWidget* widget : widgets) {
      widget->installEventFilter(this);
    }
  }
  std::vector<std::pair<QObject*, QRegion>> paints;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      paints.emplace_back(watched, static_cast<QPaintEvent*>(event)->region());
    }
    return false;
  }
};

}  // namespace

class WindowTest final : public QObject {
  Q_OBJECT

 private slots:
  void windowIsFixedWithACloseButtonOnly();
  void fileMenuHasAccessKeysAndNoShortcuts();
  void crosshairOverThePlayFieldArrowBelow();
  void promptStartsAGame();
  void doubleClickOnThePromptStartsOneGameAndShootsNothing();
  void newGameFromTheMenuResetsTheGame();
  void clickOnTheFlyingDuckHits();
  void clickOnTheSceneryMisses_data();
  void clickOnTheSceneryMisses();
  void doubleClickOnAFlyingDuckIsAHitAndAMiss();
  void theDucksFirstPaintedPixelTakesTheClick();
  void roundEndBoxesHoldClicksBackWhileTimeRunsOn();
  void underTheBoxTheMenuAndTheKeyboardStayWithTheBox();
  void theBoxGoesOnWithTheRoundEndHoweverItIsClosed_data();
  void theBoxGoesOnWithTheRoundEndHoweverItIsClosed();
  void frameShowsSkyDuckAndStatusText();
  void statusLabelsShowTheirWholeText();
  void labelsCutTheirTextAtTheirEdges();
  void repaintCoversOnlyWhatChanged();
  void paintingPieceByPieceMatchesAFullRepaint();
  void wakesOnlyWhenATickIsDue();
  void countdownSharesTheDucksWakeUps();
  void aLateWakeUpRunsEachTimerOnce();
  void endAndCloseEndTheProgram_data();
  void endAndCloseEndTheProgram();
};

void WindowTest::windowIsFixedWithACloseButtonOnly() {
  WindowFixture f;
  QMainWindow& w = f.window;
  QCOMPARE(w.windowTitle(), QStringLiteral("Reedfall"));
  const Qt::WindowFlags flags = w.windowFlags();
  QVERIFY(flags.testFlag(Qt::Window));
  QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
  QVERIFY(flags.testFlag(Qt::WindowTitleHint));
  QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

  // The client area lies right below the menu bar, 487 x 476, and nothing resizes the window.
  QCOMPARE(f.client().size(), QSize(487, 476));
  QCOMPARE(f.client().geometry().top(), w.menuBar()->geometry().bottom() + 1);
  QCOMPARE(w.size(), QSize(487, w.menuBar()->height() + 476));
  QCOMPARE(w.minimumSize(), w.maximumSize());
  const QSize before = w.size();
  w.resize(700, 700);
  QCOMPARE(w.size(), before);

  // Placed before it is shown, when the frame is not yet known: centred to within the frame.
  const QPoint offCentre = w.geometry().center() - w.screen()->availableGeometry().center();
  const int frameSlack = std::max(w.geometry().left() - w.frameGeometry().left(),
                                  w.geometry().top() - w.frameGeometry().top()) +
                         1;
  QVERIFY2(std::abs(offCentre.x()) <= frameSlack && std::abs(offCentre.y()) <= frameSlack,
           "not centred");

  // The 32 and the 16 drawn for small title bars, each as drawn.
  for (const QImage& drawn : {reedfall::app::WindowIcon(), reedfall::app::SmallWindowIcon()}) {
    QCOMPARE(w.windowIcon().pixmap(drawn.size()).toImage().convertToFormat(QImage::Format_ARGB32),
             drawn.convertToFormat(QImage::Format_ARGB32));
  }
}

void WindowTest::fileMenuHasAccessKeysAndNoShortcuts() {
  WindowFixture f;
  const QList<QAction*> menus = f.window.menuBar()->actions();
  QCOMPARE(menus.size(), 1);
  QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
  const QList<QAction*> items = menus[0]->menu()->actions();
  QCOMPARE(items.size(), 2);
  QCOMPARE(items[0]->text(), QStringLiteral("&New Game"));
  QCOMPARE(items[1]->text(), QStringLiteral("&End"));
  for (const QAction* item : items) {
    QVERIFY(item->shortcuts().isEmpty());
    QVERIFY(!item->isCheckable());
  }

  // Alt+F, then N: the access keys start a game.
  QTest::keyClick(&f.window, Qt::Key_F, Qt::AltModifier);
  QMenu* file = menus[0]->menu();
  QTRY_VERIFY_WITH_TIMEOUT(file->isVisible(), 1000);
  QTest::keyClick(file, Qt::Key_N);
  QVERIFY(f.game().Enabled(TimerId::timDuck));
  QVERIFY(f.game().world().controls.label(LabelId::lblRound).Visible);
}

void WindowTest::crosshairOverThePlayFieldArrowBelow() {
  WindowFixture f;
  QWidget* field = f.window.field();
  // Every point from Top 0 to 5580 twips lies in a play-field picture; nothing below does.
  QCOMPARE(field->geometry(), QRect(0, 0, 487, 372));
  QCOMPARE(f.client().childAt(QPoint(0, 371)), field);
  QCOMPARE(f.client().childAt(QPoint(486, 0)), field);
  QCOMPARE(f.client().childAt(QPoint(243, 372)), nullptr);

  const QCursor crosshair = field->cursor();
  QCOMPARE(crosshair.shape(), Qt::BitmapCursor);
  QCOMPARE(crosshair.hotSpot(), reedfall::app::CrosshairHotSpot());
  const QImage pointer = crosshair.pixmap().toImage();
  QCOMPARE(pointer.size(), QSize(32, 32));
  const QColor dot = pointer.pixelColor(crosshair.hotSpot());
  QVERIFY2(dot.red() > 200 && dot.green() < 80 && dot.blue() < 80,
           "the hot spot is not the red dot");

  QCOMPARE(f.client().cursor().shape(), Qt::ArrowCursor);
}

void WindowTest::promptStartsAGame() {
  WindowFixture f;
  // Nothing can happen before the first game: no wake-up is armed.
  QVERIFY(!f.clock.Armed());
  f.ClickAt(PromptCentre());
  const reedfall::frmMain& g = f.game();
  QVERIFY(g.world().GameStarted);
  QVERIFY(!g.world().controls.label(LabelId::lblMessage).Visible);
  QVERIFY(g.Enabled(TimerId::timDuck));
  QCOMPARE(g.world().state.ShotsUsed, 0);
  // The duck's first tick is the next thing due.
  QCOMPARE(f.clock.Armed(), std::optional<std::int64_t>(f.clock.Now() + 60));
}

void WindowTest::doubleClickOnThePromptStartsOneGameAndShootsNothing() {
  WindowFixture f;
  f.DoubleClickAt(PromptCentre());
  // The second press belongs to the prompt, which has no double-click: no shot at the sky.
  QVERIFY(f.game().world().GameStarted);
  QCOMPARE(f.game().world().state.ShotsUsed, 0);
  QCOMPARE(f.game().world().state.ShotsMissed, 0);
}

void WindowTest::newGameFromTheMenuResetsTheGame() {
  WindowFixture f;
  f.ClickAt(PromptCentre());
  f.ClickAt({20, 250});  // the left tree: a miss
  f.Run(1300);
  QCOMPARE(f.game().world().state.ShotsMissed, 1);
  QCOMPARE(f.game().world().state.TimeLeft, 118);

  f.window.newGameAction()->trigger();
  const reedfall::frmMain& g = f.game();
  QCOMPARE(g.world().state.ShotsMissed, 0);
  QCOMPARE(g.world().state.ShotsLeft, 50);
  QCOMPARE(g.world().state.TimeLeft, 120);
  QCOMPARE(g.world().controls.label(LabelId::lblsm).Caption, std::string("Shots Missed: 0"));
  // The time label keeps its old text until the countdown's next tick.
  QCOMPARE(g.world().controls.label(LabelId::lbltime).Caption, std::string("Time Left: 118"));
}

void WindowTest::clickOnTheFlyingDuckHits() {
  WindowFixture f;
  f.window.newGameAction()->trigger();
  const auto duck = f.AwaitClickableBlueDuck();
  QVERIFY(duck);
  f.ClickAt(*duck);
  const reedfall::frmMain& g = f.game();
  QCOMPARE(g.world().state.Score, 500.0);
  QVERIFY(g.world().state.DuckDown);
  QCOMPARE(g.world().state.DucksKilled, 1);
  QCOMPARE(g.world().controls.imgDuck.frame, reedfall::kHitFrame);
  QCOMPARE(g.world().controls.label(LabelId::lblHS).Caption, std::string("HighScore: 500"));
}

void WindowTest::clickOnTheSceneryMisses_data() {
  QTest::addColumn<QPoint>("point");
  QTest::addColumn<int>("taker");  // the control that takes the click, -1 for none
  QTest::addColumn<int>("missed");
  QTest::newRow("sky") << QPoint(240, 40) << int(Control::imgback) << 1;
  QTest::newRow("left tree") << QPoint(20, 250) << int(Control::Image1_0) << 1;
  QTest::newRow("right tree") << QPoint(480, 250) << int(Control::Image1_1) << 1;
  QTest::newRow("grass band") << QPoint(243, 330) << int(Control::Image1_2) << 1;
  QTest::newRow("soil") << QPoint(243, 370) << int(Control::imgTop) << 1;
  QTest::newRow("black band") << QPoint(243, 380) << -1 << 0;
  QTest::newRow("status area") << QPoint(20, 405) << -1 << 0;
}

void WindowTest::clickOnTheSceneryMisses() {
  QFETCH(QPoint, point);
  QFETCH(int, taker);
  QFETCH(int, missed);
  WindowFixture f;
  // Before the first game both ducks are parked beyond the right edge, so nothing else is there.
  const auto expected = taker < 0 ? std::nullopt : std::optional(static_cast<Control>(taker));
  QCOMPARE(f.game().ControlAt(point.x() * 15.0, point.y() * 15.0), expected);
  f.ClickAt(point);
  QCOMPARE(f.game().world().state.ShotsMissed, missed);
  QCOMPARE(f.game().world().state.ShotsUsed, missed);
  QCOMPARE(f.game().world().state.Score, 0.0);
}

void WindowTest::doubleClickOnAFlyingDuckIsAHitAndAMiss() {
  WindowFixture f;
  f.window.newGameAction()->trigger();
  const auto duck = f.AwaitClickableBlueDuck();
  QVERIFY(duck);
  f.DoubleClickAt(*duck);
  const reedfall::frmMain& g = f.game();
  QCOMPARE(g.world().state.Score, 500.0);
  QCOMPARE(g.world().state.DucksKilled, 1);
  QCOMPARE(g.world().state.ShotsMissed, 1);
  QCOMPARE(g.world().state.ShotsUsed, 2);
  QCOMPARE(g.world().state.ShotsLeft, 48);
}

void WindowTest::theDucksFirstPaintedPixelTakesTheClick() {
  // Where the rules leave a duck between two pixels, its first painted row and column must be
  // ones whose clicks reach it: the painter rounds its place up to the next whole pixel.
  WindowFixture f;
  f.window.newGameAction()->trigger();
  const reedfall::frmMain& g = f.game();
  std::optional<QPoint> corner;
  for (int step = 0; step < 2000 && !corner; ++step) {
    const reedfall::DuckPicture& duck = g.world().controls.imgDuck;
    const QPoint first = PixelRect(duck).topLeft();
    const bool betweenPixels = std::fmod(duck.Left, 15.0F) != 0 && std::fmod(duck.Top, 15.0F) != 0;
    if (betweenPixels && g.Enabled(TimerId::timDuck) &&
        g.ControlAt(first.x() * 15.0, first.y() * 15.0) == Control::imgDuck) {
      corner = first;
    } else if (!f.Step()) {
      break;
    }
  }
  QVERIFY2(corner, "no duck between pixels came within reach of a click on its first pixel");
  f.ClickAt(*corner);
  QVERIFY(g.world().state.DuckDown);
  QCOMPARE(g.world().state.ShotsMissed, 0);
}

void WindowTest::roundEndBoxesHoldClicksBackWhileTimeRunsOn() {
  WindowFixture f;
  const reedfall::frmMain& g = f.game();
  f.window.newGameAction()->trigger();
  for (int hit = 1; hit <= 15; ++hit) {
    QVERIFY2(f.ShootBlueDuck(), qPrintable(QStringLiteral("hit %1 missed").arg(hit)));
  }
  QCOMPARE(g.world().state.Score, 7500.0);

  QMessageBox* won = RunUntilBox(f, 80000);
  CheckBox(won, QStringLiteral("The Hunt is Good!"),
           QStringLiteral("You Have Won! Congrats, Moving to next level!"));
  const int shotsBefore = g.world().state.ShotsUsed;
  f.ClickAt({240, 40});
  f.ClickAt(PromptCentre());
  QCOMPARE(g.world().state.ShotsUsed, shotsBefore);
  QTest::mouseClick(won->button(QMessageBox::Ok), Qt::LeftButton);
  QVERIFY(!won->isVisible());
  QCOMPARE(g.world().state.Round, 2);
  QCOMPARE(g.world().state.ShotsLeft, 50);
  QVERIFY(g.Enabled(TimerId::timRDuck));

  // Round 2's clock starts with the first blue fall; with no more hits the round is lost.
  QVERIFY(f.ShootBlueDuck());
  QMessageBox* lost = RunUntilBox(f, 120000);
  CheckBox(lost, QStringLiteral("The Hunt is over!"),
           QStringLiteral("You Have Lost! You Miseed to many ducks! Game Reset to play again."));

  // Under the box the red duck flies on, and the window follows it.
  const float redLeft = g.world().controls.imgRedD.Left;
  const float redTop = g.world().controls.imgRedD.Top;
  const int wakes = f.clock.Wakes();
  f.Run(600);
  QVERIFY(f.clock.Wakes() >= wakes + 10);
  QVERIFY(g.world().controls.imgRedD.Left != redLeft || g.world().controls.imgRedD.Top != redTop);
  const QRect red = PixelRect(g.world().controls.imgRedD);
  if (QRect(0, 0, 487, 372).contains(red)) {
    QVERIFY(CountColour(f.GrabClient(), red, qRgb(128, 0, 0)) > 0);
    // ...and a click on it does not get through.
    const int used = g.world().state.ShotsUsed;
    f.ClickAt(red.center());
    QCOMPARE(g.world().state.ShotsUsed, used);
  }

  QTest::mouseClick(lost->button(QMessageBox::Ok), Qt::LeftButton);
  QCOMPARE(g.world().state.Round, 1);
  QCOMPARE(g.world().state.Score, 0.0);
  QCOMPARE(g.world().state.TimeLeft, 120);
  QVERIFY(!g.InputBlocked());
}

void WindowTest::underTheBoxTheMenuAndTheKeyboardStayWithTheBox() {
  WindowFixture f;
  f.window.newGameAction()->trigger();
  QMessageBox* box = RunUntilBox(f, 80000);
  QVERIFY(box != nullptr);
  QMenu* file = f.window.menuBar()->actions().at(0)->menu();

  // A click on the window makes it active, as a window manager does: the box takes the
  // keyboard back and stays in front.
  f.window.windowHandle()->requestActivate();
  QCoreApplication::processEvents();
  QCOMPARE(QApplication::activeWindow(), box);

  // Neither the access key nor a click opens the menu.
  QTest::keyClick(f.window.windowHandle(), Qt::Key_F, Qt::AltModifier);
  QTest::mouseClick(f.window.windowHandle(), Qt::LeftButton, {},
                    f.window.menuBar()->actionGeometry(file->menuAction()).center());
  QCoreApplication::processEvents();
  QVERIFY(!file->isVisible());
  QVERIFY(box->isVisible());
}

enum class BoxClosing : std::uint8_t { OkButton, ReturnKey, CloseButton };

void WindowTest::theBoxGoesOnWithTheRoundEndHoweverItIsClosed_data() {
  QTest::addColumn<BoxClosing>("how");
  QTest::newRow("OK") << BoxClosing::OkButton;
  QTest::newRow("Return") << BoxClosing::ReturnKey;
  QTest::newRow("its title bar's close button") << BoxClosing::CloseButton;
}

void WindowTest::theBoxGoesOnWithTheRoundEndHoweverItIsClosed() {
  QFETCH(BoxClosing, how);
  WindowFixture f;
  const reedfall::frmMain& g = f.game();
  f.window.newGameAction()->trigger();
  QMessageBox* box = RunUntilBox(f, 80000);
  QVERIFY(box != nullptr);
  const QPointer<QMessageBox> closing(box);
  switch (how) {
    case BoxClosing::OkButton:
      QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
      break;
    case BoxClosing::ReturnKey:
      QTest::keyClick(box->windowHandle(), Qt::Key_Return);
      break;
    case BoxClosing::CloseButton:
      QWindowSystemInterface::handleCloseEvent(box->windowHandle());
      break;
  }
  QCoreApplication::processEvents();
  const QMessageBox* left = closing.data();
  QVERIFY(left == nullptr || !left->isVisible());
  // The lost round's second half: a new game.
  QVERIFY(!g.InputBlocked());
  QCOMPARE(g.world().state.TimeLeft, 120);
  QVERIFY(g.Enabled(TimerId::timDuck));

  // The window takes the player's input again, once the window manager has given it back
  // the keyboard.
  f.window.windowHandle()->requestActivate();
  QVERIFY(QTest::qWaitForWindowActive(&f.window));
  f.ClickAt({240, 40});
  QCOMPARE(g.world().state.ShotsMissed, 1);
  QMenu* file = f.window.menuBar()->actions().at(0)->menu();
  QTest::keyClick(f.window.windowHandle(), Qt::Key_F, Qt::AltModifier);
  QTRY_VERIFY_WITH_TIMEOUT(file->isVisible(), 1000);
  file->close();
}

void WindowTest::frameShowsSkyDuckAndStatusText() {
  WindowFixture f;
  const QRect statusBand(0, 372, 487, 104);
  QCOMPARE(CountColour(f.GrabClient(), statusBand, kBlack),
           statusBand.width() * statusBand.height());

  f.window.newGameAction()->trigger();
  const reedfall::frmMain& g = f.game();
  const auto openSky = f.AwaitBlueDuckInOpenSky();
  QVERIFY(openSky);
  const QRect duck = *openSky;

  const QImage frame = f.GrabClient();
  const QImage art = reedfall::app::DuckFrame(DuckColour::Blue, g.world().controls.imgDuck.frame);
  QCOMPARE(art.size(), duck.size());
  int opaque = 0;
  for (int y = 0; y < art.height(); ++y) {
    for (int x = 0; x < art.width(); ++x) {
      const QRgb artPixel = art.pixel(x, y);
      const QRgb shown = frame.pixel(duck.left() + x, duck.top() + y);
      if (qAlpha(artPixel) == 255) {
        ++opaque;
        QCOMPARE(shown, artPixel);
      } else if (qAlpha(artPixel) == 0) {
        QCOMPARE(shown, reedfall::app::kSkyRgb);
      }
    }
  }
  QVERIFY(opaque > 100);
  const int skyX = duck.left() > 100 ? 20 : 400;
  QCOMPARE(frame.pixel(skyX, 20), reedfall::app::kSkyRgb);

  // Green text in every status label, black everywhere else below the field.
  QImage band = frame;
  for (const LabelSpec& spec : reedfall::kLabelTable) {
    if (spec.id == LabelId::lblMessage) {
      continue;
    }
    const QRect label = PixelRect(spec.rect);
    QVERIFY2(GreenTextPixels(frame, label) > 20, spec.name.data());
    for (int y = label.top(); y <= label.bottom(); ++y) {
      for (int x = label.left(); x <= label.right(); ++x) {
        band.setPixel(x, y, kBlack);
      }
    }
  }
  QCOMPARE(CountColour(band, statusBand, kBlack), statusBand.width() * statusBand.height());
}

void WindowTest::statusLabelsShowTheirWholeText() {
  WindowFixture f;
  f.window.newGameAction()->trigger();
  const reedfall::frmMain& g = f.game();
  // Two-digit counts, the widest texts of the first column and the second.
  for (int shot = 0; shot < 47; ++shot) {
    f.ClickAt({243, 330});  // the grass band: a miss, whatever flies behind it
  }
  while (g.world().state.DucksMissed < 10 && f.Step()) {
  }
  QCOMPARE(g.world().controls.label(LabelId::lblsm).Caption, std::string("Shots Missed: 47"));
  QCOMPARE(g.world().controls.label(LabelId::lbldm).Caption, std::string("Ducks Missed: 10"));

  // Each label shows exactly its text drawn whole on black: nothing cut off, nothing beyond.
  const QImage frame = f.GrabClient();
  for (const LabelSpec& spec : reedfall::kLabelTable) {
    if (spec.id == LabelId::lblMessage) {
      continue;
    }
    const QRect label = PixelRect(spec.rect);
    QImage whole(label.size() + QSize(100, 20), QImage::Format_RGB32);
    whole.fill(Qt::black);
    {
      QPainter painter(&whole);
      painter.setPen(QColor(kGreen));
      painter.setFont(reedfall::app::StatusFont());
      painter.drawText(whole.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                       QString::fromStdString(g.world().controls.label(spec.id).Caption));
    }
    const QRect inLabel(QPoint(), label.size());
    const int ink = whole.width() * whole.height() - CountColour(whole, whole.rect(), kBlack);
    const int inkInLabel = inLabel.width() * inLabel.height() - CountColour(whole, inLabel, kBlack);
    QVERIFY2(ink > 20 && ink == inkInLabel, spec.name.data());
    QCOMPARE(frame.copy(label), whole.copy(inLabel));
  }
  // For the run without the machine's fonts to compare with (tests/app/CMakeLists.txt).
  if (const QByteArray path = qgetenv("REEDFALL_STATUS_BAND_PNG"); !path.isEmpty()) {
    QVERIFY(frame.copy(0, 372, 487, 104).save(QString::fromLocal8Bit(path)));
  }
}

void WindowTest::labelsCutTheirTextAtTheirEdges() {
  // Whatever the font, and a face the game did not choose may be wider: nothing beyond the
  // label, neither for a status label nor for the message; neither a line that overruns it nor
  // the ink that a glyph puts beyond a line that fits, as the j's tail does at the left edge.
  QFont wide = reedfall::app::MessageFont();
  wide.setPixelSize(40);
  const QString tail = QStringLiteral("j");
  const QFontMetrics metrics(wide);
  const QRect fits(40, 20, metrics.horizontalAdvance(tail), metrics.height());
  QVERIFY(!fits.contains(
      metrics.tightBoundingRect(tail).translated(fits.left(), fits.top() + metrics.ascent())));
  const struct {
    QRect label;
    QString text;
  } rows[] = {
      {QRect(40, 20, 100, 30), QStringLiteral("Click Here To Start The Game!!!")},
      {fits, tail},
  };
  for (const auto& row : rows) {
    reedfall::app::LabelText message(wide, Qt::AlignHCenter);
    for (const bool status : {true, false}) {
      QImage image(200, 100, QImage::Format_RGB32);
      image.fill(Qt::black);
      {
        QPainter painter(&image);
        painter.setPen(Qt::white);
        painter.setFont(wide);
        if (status) {
          reedfall::app::DrawStatusText(painter, row.label, row.text);
        } else {
          message.Draw(painter, row.label, row.text.toStdString());
        }
      }
      const int outside =
          CountColour(image, image.rect(), kBlack) - CountColour(image, row.label, kBlack);
      QVERIFY2(outside == image.width() * image.height() - row.label.width() * row.label.height(),
               qPrintable(row.text));
      QVERIFY(CountColour(image, row.label, kBlack) < row.label.width() * row.label.height());
    }
  }
}

void WindowTest::repaintCoversOnlyWhatChanged() {
  WindowFixture f;
  PaintRecorder recorder{f.window.field(), &f.client()};
  // Time passing at the start screen paints nothing.
  f.Run(5000);
  QVERIFY(recorder.paints.empty());

  f.window.newGameAction()->trigger();
  QCoreApplication::processEvents();
  for (int tick = 0; tick < 8; ++tick) {
    recorder.paints.clear();
    const QRect before = PixelRect(f.game().world().controls.imgDuck);
    const std::string captionsBefore = Captions(f.game().world().controls);
    QVERIFY(f.Step());
    const QRect after = PixelRect(f.game().world().controls.imgDuck);
    QVERIFY(!recorder.paints.empty() || before == after);
    const QRegion allowed = QRegion(before) + QRegion(after);
    for (const auto& [widget, region] : recorder.paints) {
      if (captionsBefore != Captions(f.game().world().controls)) {
        continue;  // a countdown tick: its label is repainted too
      }
      QCOMPARE(widget, static_cast<QObject*>(f.window.field()));
      QCOMPARE(region - allowed, QRegion());
    }
  }
}

void WindowTest::paintingPieceByPieceMatchesAFullRepaint() {
  WindowFixture f;
  const auto stale = f.StalePixelAfterPlay(400);
  QVERIFY2(!stale,
           qPrintable(QStringLiteral("stale pixel at %1,%2").arg(stale->x()).arg(stale->y())));
}

void WindowTest::wakesOnlyWhenATickIsDue() {
  WindowFixture f;
  f.Run(10000);
  QCOMPARE(f.clock.Wakes(), 0);

  f.window.newGameAction()->trigger();
  f.Run(6000);
  // The duck moves every 60 ms and the clock every 600 ms; the 1 ms poll wakes nobody.
  const int wakes = f.clock.Wakes();
  QVERIFY2(wakes >= 6000 / 60 - 1 && wakes <= 6000 / 60 + 6000 / 600 + 2,
           qPrintable(QString::number(wakes)));
}

void WindowTest::countdownSharesTheDucksWakeUps() {
  WindowFixture f;
  const reedfall::frmMain& g = f.game();
  f.window.newGameAction()->trigger();
  // A hit between two ticks puts the duck's beat out of step with the countdown's.
  const auto duck = f.AwaitClickableBlueDuck();
  QVERIFY(duck);
  f.Run(25);
  f.ClickAt(*duck);
  QVERIFY(g.world().state.DuckDown);

  const int wakes = f.clock.Wakes();
  bool sawDeferredCountdown = false;
  while (f.clock.Now() < 6000 + 25) {
    const auto countdown = g.NextDue(TimerId::timleft);
    const auto armed = f.clock.Armed();
    QVERIFY(armed && countdown);
    // Never more than one duck interval late.
    QVERIFY(*armed - *countdown <= 60);
    if (*armed > *countdown && !sawDeferredCountdown) {
      sawDeferredCountdown = true;
      // A click in the meantime sees the countdown's tick first.
      const int timeLeft = g.world().state.TimeLeft;
      f.Run(*countdown - f.clock.Now());
      QCOMPARE(g.world().state.TimeLeft, timeLeft);
      f.ClickAt({240, 40});
      QCOMPARE(g.world().state.TimeLeft, timeLeft - 1);
    }
    QVERIFY(f.Step());
  }
  QVERIFY(sawDeferredCountdown);
  // Ten countdown ticks in six seconds, none with a wake-up of its own.
  QVERIFY2(f.clock.Wakes() - wakes <= 6000 / 60 + 2,
           qPrintable(QString::number(f.clock.Wakes() - wakes)));
}

void WindowTest::aLateWakeUpRunsEachTimerOnce() {
  WindowFixture f;
  const reedfall::frmMain& g = f.game();
  f.window.newGameAction()->trigger();
  // A duck in the middle of its flight, the countdown at a tick of its own.
  while (g.world().controls.imgDuck.Top > 3000 || g.world().controls.imgDuck.Left < 1000 ||
         g.world().controls.imgDuck.Left > 6000) {
    QVERIFY(f.Step());
  }
  f.Run(*g.NextDue(TimerId::timleft) - f.clock.Now());
  const float top = g.world().controls.imgDuck.Top;
  const auto timeLeft = g.world().state.TimeLeft;
  // Two countdown intervals and twenty duck intervals go by before the program runs again:
  // each timer ticks once for them, as a busy desktop's would, and the game does not jump.
  f.clock.Stall(1250);
  QVERIFY(f.Step());
  const float step = top - g.world().controls.imgDuck.Top;
  QVERIFY2(step == 75 || step == 100, qPrintable(QString::number(step)));
  QCOMPARE(g.world().state.TimeLeft, timeLeft - 1);
  QCOMPARE(g.Now(), f.clock.Now());
}

// How the program is ended, and which round-end box is open meanwhile.
enum class Ending : std::uint8_t { FileEnd, CloseRequest };
enum class OpenBoxKind : std::uint8_t { None, Lost, Won };

void WindowTest::endAndCloseEndTheProgram_data() {
  QTest::addColumn<Ending>("ending");
  QTest::addColumn<OpenBoxKind>("boxKind");
  QTest::newRow("File > End") << Ending::FileEnd << OpenBoxKind::None;
  QTest::newRow("close request") << Ending::CloseRequest << OpenBoxKind::None;
  QTest::newRow("close request under the lost box") << Ending::CloseRequest << OpenBoxKind::Lost;
  QTest::newRow("close request under the won box") << Ending::CloseRequest << OpenBoxKind::Won;
}

void WindowTest::endAndCloseEndTheProgram() {
  QFETCH(Ending, ending);
  QFETCH(OpenBoxKind, boxKind);
  WindowFixture f;
  f.window.newGameAction()->trigger();
  if (boxKind == OpenBoxKind::Won) {
    for (int hit = 0; hit < 15; ++hit) {
      QVERIFY(f.ShootBlueDuck());
    }
  }
  if (boxKind != OpenBoxKind::None) {
    QMessageBox* box = RunUntilBox(f, 80000);
    QVERIFY(box != nullptr);
    QCOMPARE(box->windowTitle(), boxKind == OpenBoxKind::Won ? QStringLiteral("The Hunt is Good!")
                                                             : QStringLiteral("The Hunt is over!"));
  }
  QSignalSpy ended(&f.host, &reedfall::app::GameHost::ended);
  // Wired as main() wires it: the game's end ends the event loop.
  QObject::connect(&f.host, &reedfall::app::GameHost::ended, qApp, &QCoreApplication::quit);
  QTimer::singleShot(0, [&f, ending] {
    if (ending == Ending::FileEnd) {
      f.window.endAction()->trigger();
    } else {
      // What a window manager's close button sends, down the path Qt takes for it.
      QWindowSystemInterface::handleCloseEvent(f.window.windowHandle());
    }
  });
  // Should the request be lost, the loop ends anyway, with another status.
  QTimer::singleShot(5000, [] { QCoreApplication::exit(3); });
  QCOMPARE(QApplication::exec(), 0);
  QCOMPARE(ended.count(), 1);
  QVERIFY(f.game().Ended());
  QVERIFY(!f.window.isVisible());
  QVERIFY(OpenBox(f) == nullptr);
  // Nothing runs any more.
  QVERIFY(!f.clock.Armed());
  const std::int64_t gameTime = f.game().Now();
  f.Run(1000);
  QCOMPARE(f.game().Now(), gameTime);
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
