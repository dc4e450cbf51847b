#pragma once

#include <QFileDialog>

#include <functional>
#include <optional>

// The save dialog of the program's pictures, the charts' and the 3-D copy's: the types
// offered, the name typed completed by the caller's extension rule, and the question
// before replacing a file asked about that completed name, the file really written. It
// opens in the folder and with the type the caller kept from the last save.
class PictureSaveDialog : public QFileDialog
{
    Q_OBJECT

public:
    // One entry of the list of types: the text shown, and the files it lists.
    struct Type
    {
        const char *text;
        const char *pattern;
    };
    // The name written for the name typed (a whole path) with the type entry chosen.
    using Completion = std::function<QString(const QString &typed, int type)>;

    PictureSaveDialog(QWidget *parent, const QVector<Type> &types, Completion complete);

    // Lists only the files that can be written, and the folders.
    void hideReadOnlyFiles();

    // Refuses, with a message, to save over any of `files` (the program's data files),
    // whatever name reaches them: a link, or another spelling of the same path.
    void protectFiles(const QStringList &files);

    // Shows the dialog in `folder` (if any) with `type` selected; once accepted, `folder`
    // and `type` are those chosen and the completed name is returned. Nothing when the
    // user cancelled.
    std::optional<QString> choose(QString &folder, int &type);

    // The entry of the type the user left selected.
    int typeEntry() const;

    // Writes the whole file through a temporary file in the same folder that replaces
    // `fileName` only once all of it is written, so that a failure leaves no empty or cut
    // file; a failure is reported over `parent` with the system's reason, and so is a
    // picture that could not be made (no bytes).
    static bool write(QWidget *parent, const QString &fileName,
                      const std::optional<QByteArray> &bytes);

    // The name to write for a name chosen under a type whose extension is `extension`
    // (".bmp"): a name without any extension gets it; one with an extension is kept.
    static QString withExtension(const QString &name, const char *extension);

    // The bytes of a Windows bitmap file of the image; nothing when it cannot be encoded.
    static std::optional<QByteArray> bitmapFile(const QImage &image);

public slots:
    void accept() override;

private:
    bool isProtected(const QString &name) const;

    QStringList m_types;
    Completion m_complete;
    QStringList m_protected;
};
