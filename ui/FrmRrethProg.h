#pragma once

#include <QCursor>
#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;
class QSvgRenderer;
class QPushButton;

// The about window: the product artwork without a frame, the contact address
// as a link that starts a new mail message, a button that opens the user
// guide, and one that closes it.
// Built afresh for every opening; the main window shows it modal.
class FrmRrethProg : public QDialog
{
    Q_OBJECT

public:
    // Hands a link to the desktop; the default asks the desktop's URL
    // handler and ignores whether it managed.
    using UrlOpener = std::function<void(const QUrl &url)>;

    static const QString contactAddress;

    explicit FrmRrethProg(UrlOpener openUrl = &openWithDesktop, QWidget *parent = nullptr);

    static void openWithDesktop(const QUrl &url);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void lblHyperlink_MouseMove();
    void lblHyperlink_Click();
    void Form_MouseMove();
    void CmdKthehu_Click();

    UrlOpener m_openUrl;
    QSvgRenderer *m_artwork;
    QCursor m_handCursor;
    QLabel *m_lblHyperlink = nullptr;
    QPushButton *m_cmdKthehu = nullptr;
    bool m_labelPressed = false;
};
