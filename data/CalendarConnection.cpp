#include "data/CalendarConnection.h"

#include "data/ConnectionText.h"
#include "data/DatabaseError.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <sys/stat.h>

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("kolvira-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString cannotOpen(const QString &file, const QString &reason)
{
    return QStringLiteral("Baza e të dhënave \"%1\" nuk mund të hapet: %2").arg(file, reason);
}

} // namespace

CalendarConnection::CalendarConnection() : m_name(nextConnectionName()) {}

CalendarConnection::~CalendarConnection()
{
    close();
}

CalendarConnection &CalendarConnection::shared()
{
    static CalendarConnection connection;
    return connection;
}

void CalendarConnection::open(const QString &connectionText)
{
    close();
    const QString file = ConnectionText::dataSource(connectionText);
    if (file.isEmpty())
        throw DatabaseError(
            0, QStringLiteral("no Data Source"),
            cannotOpen(connectionText, QStringLiteral("teksti i lidhjes nuk emërton skedar")));
    const QFileInfo info(file);
    if (!info.exists())
        throw DatabaseError(DatabaseError::noNumber, QStringLiteral("file not found"),
                            cannotOpen(file, QStringLiteral("skedari nuk ekziston")));
    if (!info.isFile() || !info.isReadable())
        throw DatabaseError(DatabaseError::noNumber, QStringLiteral("file not readable"),
                            cannotOpen(file, QStringLiteral("skedari nuk mund të lexohet")));

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        // mode=rw never creates a file; a write-protected file opens for reading.
        QUrl uri = QUrl::fromLocalFile(info.absoluteFilePath());
        uri.setQuery(QStringLiteral("mode=rw"));
        db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=3000"));
        if (!db.open()) {
            const QSqlError error = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            throw DatabaseError(DatabaseError::engineNumber(error), error.text(),
                                cannotOpen(file, DatabaseError::reason(error)));
        }
        // SQLite reads the file lazily: ask it for the tables now, so that a
        // file that is no database fails here and not at the first query.
        QSqlQuery probe(db);
        QString reason;
        QString told; // the reason in Albanian
        int number = 0;
        if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND "
                                       "name IN ('kolvira','Qytetet')"))) {
            reason = probe.lastError().text();
            told = DatabaseError::reason(probe.lastError());
            number = DatabaseError::engineNumber(probe.lastError());
        } else if (!probe.next() || probe.value(0).toInt() != 2) {
            reason = told = QStringLiteral("mungojnë tabelat e kalendarit (kolvira, Qytetet)");
        }
        probe = QSqlQuery();
        if (!reason.isEmpty()) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            throw DatabaseError(number, reason, cannotOpen(file, told));
        }
    }
    m_filePath = info.absoluteFilePath();
    struct stat st = {};
    if (::stat(QFile::encodeName(m_filePath).constData(), &st) == 0) {
        m_device = st.st_dev;
        m_inode = st.st_ino;
    }
}

bool CalendarConnection::fileGoneOrReplaced() const
{
    struct stat st = {};
    if (::stat(QFile::encodeName(m_filePath).constData(), &st) != 0)
        return true;
    return quint64(st.st_dev) != m_device || quint64(st.st_ino) != m_inode;
}

CalendarConnection::State CalendarConnection::state() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen()
               ? Open
               : Closed;
}

void CalendarConnection::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase CalendarConnection::database() const
{
    if (state() != Open)
        throw DatabaseError(DatabaseError::noNumber, QStringLiteral("connection closed"),
                            QStringLiteral("Lidhja me bazën e të dhënave nuk është e hapur."));
    return QSqlDatabase::database(m_name, false);
}
