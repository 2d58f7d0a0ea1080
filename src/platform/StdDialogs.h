#pragma once
// The standard file-open and font dialogs. Tests answer them without a
// dialog: a StdDialogScript queues the next file name or font, and records
// what each dialog was opened with.

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace caveto {

// One row of a file dialog's filter: what the user reads, and the patterns
// it stands for, separated by ";" ("*.jpg;*.jpeg").
struct FileFilter
{
    QString description;
    QString patterns;
};

// The open dialog, starting on `startFile` (its folder, with its name
// selected). Returns the chosen file, or an empty string when cancelled.
QString chooseOpenFile(QWidget *parent, const QString &title, const QString &startFile,
    const QList<FileFilter> &filters);

struct FontChoice
{
    QFont font;
    QColor color; // invalid when the dialog offers no colour
};

// The font dialog, pre-set to `initial`; nothing when cancelled.
std::optional<FontChoice> chooseFont(QWidget *parent, const QFont &initial);

// The patterns of a filter row as the dialog applies them: each in its own
// spelling and in capitals, since photos from cameras are often "IMG_1.JPG".
QStringList filterPatterns(const QString &patterns);

class StdDialogScript
{
public:
    StdDialogScript();
    ~StdDialogScript();
    StdDialogScript(const StdDialogScript &) = delete;
    StdDialogScript &operator=(const StdDialogScript &) = delete;

    void chooseFileNext(const QString &path);
    void cancelFileNext();
    void chooseFontNext(const QFont &font, const QColor &color = QColor());
    void cancelFontNext();

    struct FileDialog
    {
        QString startFile;
        QList<FileFilter> filters;
    };
    QList<FileDialog> fileDialogs; // every file dialog, in order
    QList<QFont> fontDialogs; // the font each font dialog started with
    int unexpected = 0; // dialogs with no queued answer (they count as cancelled)

private:
    friend QString chooseOpenFile(
        QWidget *, const QString &, const QString &, const QList<FileFilter> &);
    friend std::optional<FontChoice> chooseFont(QWidget *, const QFont &);
    QList<std::optional<QString>> m_files;
    QList<std::optional<FontChoice>> m_fonts;
};

} // namespace caveto
