#include "support/FatalRecorder.h"
#include "support/WindowLookup.h"
#include "ui/FrmRrethProg.h"

#include <QDesktopServices>
#include <QTest>
#include <QWindow>

// The mail link of the about window. A registered handler takes the links the
// desktop would hand to a mail program, so none starts here.
class TestFrmRrethProg : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void open(const QUrl &url) { opened << url; }

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
    void initTestCase() { QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "open"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("mailto")); }
    void init()
    {
        opened.clear();
        window = std::make_unique<FrmRrethProg>();
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

    // Red with a hand over the label; only the window's own surface, not
    // the button, turns it navy again.
    void hoverTurnsTheLabelRedWithAHand()
    {
        const QColor navy(0, 0, 128);
        QCOMPARE(labelColour(), navy);
        moveTo(labelCentre());
        QCOMPARE(labelColour(), QColor(Qt::red));
        QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
        moveTo(pushButton(*window, "CmdKthehu")->geometry().center());
        QCOMPARE(labelColour(), QColor(Qt::red));
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
        QCOMPARE(opened, QList<QUrl>(clicks, QUrl(QStringLiteral("mailto:kolvira@kolvira.org"))));
    }
};

QTEST_MAIN(TestFrmRrethProg)
#include "TestFrmRrethProg.moc"
