#pragma once

#include <QString>
#include <QStringList>

// Where the program finds its files. The program's own folder comes first, so
// a copy kept as a folder keeps working; an installed program keeps the
// user's database in the per-user data folder, copied from the installed
// default on first start, because the city choice must be writable.
namespace DataFiles {

struct Locations
{
    QString programFolder;        // the executable's folder
    QString userFolder;           // e.g. ~/.local/share/kolvira
    QStringList installedFolders; // e.g. /usr/share/kolvira

    // The folders of the running program.
    static Locations current();
};

// The calendar database to open. When it is neither beside the program nor
// in the user's folder, the installed default is copied to the user's folder
// first. A user's copy made by an earlier release takes the installed
// default's calendar (see UserCopyUpgrade). When there is none at all, the path beside the program
// (which then fails to open, naming the file). Throws DatabaseError when the copy fails.
// A copy that could not take the new calendar says why in notice.
QString databasePath(const Locations &where = Locations::current(), QString *notice = nullptr);

// The user guide, udhezuesi.md, in the installed documentation (or the build
// folder's copy of it); empty when it is not there.
QString guidePath(const Locations &where = Locations::current());

// A recording: beside the program, else in the user's folder, else in the
// installed folder; the path beside the program when none has it.
QString recordingPath(const QString &fileName, const Locations &where = Locations::current());

} // namespace DataFiles
