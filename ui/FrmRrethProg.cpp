#include "ui/FrmRrethProg.h"

#include "data/DataFiles.h"
#include "ui/AutoSizeLabel.h"
#include "ui/ErrorGuard.h"
#include "ui/Fonts.h"
#include "ui/LoadedWindows.h"
#include "ui/PushButton.h"
#include "ui/Twips.h"
#include "ui/WindowLook.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {

const QColor navy(0, 0, 128);
const QColor red(255, 0, 0);
const QColor cream(255, 248, 227);

// The pointing hand, its hot spot on the tip of the finger.
QCursor handCursor()
{
    QPixmap hand(32, 32);
    hand.fill(Qt::transparent);
    QPainter painter(&hand);
    QSvgRenderer(QStringLiteral(":/art/hand.svg")).render(&painter, QRectF(0, 0, 32, 32));
    painter.end();
    return QCursor(hand, 13, 2);
}

} // namespace

const QString FrmRrethProg::contactAddress = QStringLiteral("kolvira@kolvira.org");

FrmRrethProg::FrmRrethProg(UrlOpener openUrl, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_openUrl(std::move(openUrl)),
      m_artwork(new QSvgRenderer(QStringLiteral(":/art/splash.svg"), this)),
      m_handCursor(handCursor())
{
    setObjectName(QStringLiteral("FrmRrethProg"));
    setWindowTitle(QStringLiteral("Form1"));
    // The window has no title bar; a screen reader says this name instead.
    setAccessibleName(QStringLiteral("Rreth programit"));
    setFixedSize(Twips::toPixels(7500), Twips::toPixels(4545));
    setMouseTracking(true);
    LoadedWindows::mark(this);

    auto *label =
        new AutoSizeLabel(QStringLiteral("   %1   ").arg(contactAddress), this, Qt::AlignRight);
    m_lblHyperlink = label;
    label->setObjectName(QStringLiteral("lblHyperlink"));
    label->setAccessibleName(contactAddress); // without the padding
    label->setFont(designFont(QStringLiteral("Verdana"), 9.75, true));
    // Unlike the other labels this one paints its own background.
    label->setAttribute(Qt::WA_TranslucentBackground, false);
    label->setAttribute(Qt::WA_NoSystemBackground, false);
    fillBackground(label, cream);
    setTextColour(label, navy);
    label->setToolTip(QStringLiteral("Ekipi i Kolvirës"));
    label->placeTwips(4965, 165, 2400, 240);
    label->setMouseTracking(true);
    label->installEventFilter(this);

    // The places of the world the program finds come from GeoNames, whose
    // licence asks for its name; the top band's left end is free.
    auto *credit = makeLabel(this, QStringLiteral("lblGeoNames"),
                             QStringLiteral("Vendet e botës: GeoNames (CC BY 4.0)"),
                             designFont(QStringLiteral("Verdana"), 8.25), 165, 150, 4500, 240);
    setTextColour(credit, QColor(216, 226, 234));

    // The user guide, beside "Kthehu" in the bottom band, opened by the desktop.
    auto *guide = makePushButton(this, QStringLiteral("CmdUdhezuesi"), QStringLiteral("Udhëzuesi"),
                                 4935, 4020);
    const QString guidePath = DataFiles::guidePath();
    guide->setEnabled(!guidePath.isEmpty());
    guide->setToolTip(guidePath.isEmpty() ? QStringLiteral("Udhëzuesi nuk është instaluar.")
                                          : QStringLiteral("Si përdoret çdo dritare"));
    connect(guide, &QPushButton::clicked, this,
            [this, guidePath] { m_openUrl(QUrl::fromLocalFile(guidePath)); });

    m_cmdKthehu =
        makePushButton(this, QStringLiteral("CmdKthehu"), QStringLiteral("Kthehu"), 6270, 4020);
    connect(m_cmdKthehu, &QPushButton::clicked, this, &FrmRrethProg::CmdKthehu_Click);

    centreOnScreen(this);
}

void FrmRrethProg::openWithDesktop(const QUrl &url)
{
    // Handed to the desktop without a shell and without waiting; when no
    // mail program takes the link, nothing else happens.
    (void)QDesktopServices::openUrl(url);
}

bool FrmRrethProg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_lblHyperlink)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        ErrorGuard::run([this] { lblHyperlink_MouseMove(); });
        return true;
    case QEvent::MouseButtonPress:
        m_labelPressed = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        // A click is a press and a release of the left button over the label.
        const bool click = m_labelPressed && mouse->button() == Qt::LeftButton &&
                           m_lblHyperlink->rect().contains(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton)
            m_labelPressed = false;
        if (click)
            ErrorGuard::run([this] { lblHyperlink_Click(); });
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void FrmRrethProg::mouseMoveEvent(QMouseEvent *event)
{
    // Only moves over the window's own surface arrive here: Qt does not pass
    // a move on from a child that does not track the mouse (the button), and
    // the label keeps its own.
    QDialog::mouseMoveEvent(event);
    ErrorGuard::run([this] { Form_MouseMove(); });
}

void FrmRrethProg::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_artwork->render(&painter, QRectF(QPointF(0, 0), m_artwork->defaultSize()));
}

void FrmRrethProg::lblHyperlink_MouseMove()
{
    setTextColour(m_lblHyperlink, red);
    m_lblHyperlink->setCursor(m_handCursor);
}

void FrmRrethProg::Form_MouseMove()
{
    setTextColour(m_lblHyperlink, navy);
}

void FrmRrethProg::lblHyperlink_Click()
{
    m_openUrl(QUrl(QStringLiteral("mailto:") + contactAddress));
}

void FrmRrethProg::CmdKthehu_Click()
{
    ErrorGuard::run([this] { reject(); });
}
