#include "prayer/QtMediaPlayer.h"
#include "support/FileBytes.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestQtMediaPlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A file that is no audio, or no file at all: no dialog, no crash, and
    // the player ends up not playing, so the next adhan can start.
    void unplayableFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("create");
        QTest::newRow("not audio") << QByteArray(64 * 1024, '\x42') << true;
        QTest::newRow("missing") << QByteArray() << false;
    }
    void unplayableFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, create);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Ezani i sabahut në Medine.mp3"));
        QVERIFY(!create || writeFile(path, content));
        QtMediaPlayer player;
        player.prepare(path); // silent
        QCOMPARE(player.playState(), 1);
        player.setURL(path);
        QTRY_VERIFY_WITH_TIMEOUT(player.playState() != MediaPlayer::playing, 15000);
        QVERIFY(!player.status().contains(QLatin1String("Playing")));
        QTRY_VERIFY(player.findChildren<QObject *>().isEmpty()); // no pipeline kept
        player.setURL(path);                                     // tried again at the next adhan
        QTRY_VERIFY_WITH_TIMEOUT(player.playState() != MediaPlayer::playing, 15000);
    }
};

QTEST_GUILESS_MAIN(TestQtMediaPlayer)
#include "TestQtMediaPlayer.moc"
