#include "support/FatalRecorder.h"
#include "support/WindowLookup.h"
#include "ui/FrmRrethProg.h"

#include <QApplication>
#include <QDesktopServices>
#include <QTest>
#include <QWindow>

namespace {

const QUrl mailLink(QStringLiteral("mailto:kolvira@kolvira.org"));
const QColor navy(0, 0, 128);
const QColor red(255, 0, 0);

// Takes the links the desktop would hand to a mail program.
class MailHandler : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened << url; }
};

} // namespace

class TestFrmRrethProg : public QObject
{
    Q_OBJECT

private:
    FatalRecorder fatals;
    QList<QUrl> opened;
    std::unique_ptr<FrmRrethProg> window;
    QLabel *label = nullptr;

    QColor labelColour() const { return label->palette().color(QPalette::WindowText); }
    QPoint labelCentre() const { return label->geometry().center(); }
    void moveTo(const QPoint &pos) { QTest::mouseMove(window->windowHandle(), pos); }
    void clickAt(const QPoint &pos, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(window->windowHandle(), button, {}, pos);
    }

private Q_SLOTS:
    void init()
    {
        opened.clear();
        window = std::make_unique<FrmRrethProg>([this](const QUrl &url) { opened << url; });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        label = window->findChild<QLabel *>(QStringLiteral("lblHyperlink"));
        QVERIFY(label);
        // Qt drops a move to where the pointer already is: start each test
        // from a corner of the window's surface.
        moveTo(QPoint(1, 1));
    }
    void cleanup()
    {
        window.reset();
        fatals.expectNone();
    }

    void designedWindow()
    {
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window->size(), QSize(500, 303));
        QCOMPARE(label->text(), QStringLiteral("   kolvira@kolvira.org   "));
        QVERIFY(!label->toolTip().isEmpty());
        // Right-aligned: the label ends where its design rectangle ends.
        QCOMPARE(label->geometry().right() + 1, 491);
        QCOMPARE(labelColour(), navy);
        QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 248, 227));
        // The cream shows over the artwork's dark band.
        const QImage shown = window->grab().toImage();
        QCOMPARE(shown.pixelColor(label->geometry().topLeft() + QPoint(2, 2)),
                 QColor(255, 248, 227));
    }

    void hoverTurnsTheLabelRedWithAHand()
    {
        QVERIFY(label->cursor().shape() != Qt::BitmapCursor);
        moveTo(labelCentre());
        QCOMPARE(labelColour(), red);
        QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(label->cursor().pixmap().size(), QSize(32, 32));

        // Over the window's own surface the label is navy again; the hand
        // stays the label's own cursor.
        moveTo(QPoint(100, 150));
        QCOMPARE(labelColour(), navy);
        QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);

        moveTo(labelCentre());
        QCOMPARE(labelColour(), red);
    }

    void onlyTheWindowsSurfaceRestoresNavy()
    {
        moveTo(labelCentre());
        // Leaving the window straight from the label: no move reaches the window.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(label, &leave);
        QApplication::sendEvent(window.get(), &leave);
        QCOMPARE(labelColour(), red);
        // Moving over the button is not moving over the window.
        auto *button = pushButton(*window, "CmdKthehu");
        QVERIFY(button);
        moveTo(button->geometry().center());
        QCOMPARE(labelColour(), red);
        moveTo(QPoint(10, 290));
        QCOMPARE(labelColour(), navy);
    }

    // A right click, a press on the label released elsewhere and a click
    // beside it open nothing; each left click on it opens one link.
    void eachClickOpensOneMailLink_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("three") << 3;
    }
    void eachClickOpensOneMailLink()
    {
        QFETCH(int, clicks);
        clickAt(labelCentre(), Qt::RightButton);
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, labelCentre());
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, QPoint(100, 150));
        clickAt(QPoint(100, 150));
        for (int i = 0; i < clicks; ++i) {
            clickAt(labelCentre());
            QTest::qWait(0);
        }
        QCOMPARE(opened, QList<QUrl>(clicks, mailLink));
    }

    void defaultGoesToTheDesktopsUrlHandler()
    {
        // A registered handler takes the link in place of the desktop, so no
        // mail program starts here.
        MailHandler handler;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &handler, "open");
        {
            FrmRrethProg plain;
            plain.show();
            QVERIFY(QTest::qWaitForWindowExposed(&plain));
            auto *link = plain.findChild<QLabel *>(QStringLiteral("lblHyperlink"));
            QTest::mouseClick(plain.windowHandle(), Qt::LeftButton, {}, link->geometry().center());
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(handler.opened, QList<QUrl>{mailLink});
    }

    void backButtonCloses()
    {
        auto *button = pushButton(*window, "CmdKthehu");
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestFrmRrethProg)
#include "TestFrmRrethProg.moc"
