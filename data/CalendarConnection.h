#pragma once

#include <QSqlDatabase>
#include <QString>

// The connection to the calendar database. The program opens one shared
// connection at start and keeps it open for the whole run; tests may open
// their own.
class CalendarConnection
{
public:
    enum State { Closed = 0, Open = 1 };

    CalendarConnection();
    ~CalendarConnection();
    CalendarConnection(const CalendarConnection &) = delete;
    CalendarConnection &operator=(const CalendarConnection &) = delete;

    // The one connection every query of the program uses.
    static CalendarConnection &shared();

    // Opens the file the connection text names. Throws DatabaseError, naming
    // the file and the engine's reason, when it is missing, unreadable, not a
    // database or lacks the calendar tables. Never creates a file.
    void open(const QString &connectionText);
    State state() const;
    void close();

    QString filePath() const { return m_filePath; }
    // True when the file that was opened is no longer at its path (deleted,
    // or replaced by another file): what is written through this connection
    // would then be lost.
    bool fileGoneOrReplaced() const;
    // The engine connection; throws DatabaseError when the connection is closed.
    QSqlDatabase database() const;

private:
    QString m_name;
    QString m_filePath;
    quint64 m_device = 0;
    quint64 m_inode = 0;
};
