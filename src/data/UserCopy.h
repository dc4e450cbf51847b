#pragma once

#include <QString>
#include <optional>

class DataFolder;
class QDateTime;

// The user's own copy of the data files, brought up at start to the tables shipped with the
// program (DataFolder::originFolder), so that corrected data in a newer package reaches a user
// who already ran the program. Beside the copy, the hidden folder ".origine" keeps the shipped
// files as they were when the copy was last brought up to them: what the user changed since
// is known against it. The element table is merged cell by cell (TableRefresh). The crystal
// structure and isotope files, which the program never writes, take the shipped file when the
// user's still equals the kept one, and stay the user's otherwise. A missing file is copied; a
// file that no longer reads is renamed aside, never deleted, and the shipped one takes its
// place. The whole refresh stands under the element table's lock, as its writes do
// (TableChanges), and every file is replaced whole (DataFile::replace).
class UserCopy
{
public:
    // The folder of the kept shipped files, inside the user's data folder.
    static QString keptFolder(const DataFolder &folder);

    // Brings the copy in `folder` up to its shipped tables; `now` names the files set aside.
    // The answer is what the user is to be told, in French, naming the folder: how many of
    // their values were kept, the files set aside, a shipped file that does not read. Nothing
    // when there is nothing to tell: a first copy, shipped files that have not changed since
    // the last refresh, a folder without shipped tables or that is their own folder.
    static std::optional<QString> refresh(const DataFolder &folder, const QDateTime &now);
};
