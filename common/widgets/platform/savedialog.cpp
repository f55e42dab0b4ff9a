// The save-file dialog: see savedialog.h.
#include "widgets/platform/savedialog.h"

#include "widgets/platform/nameonlyiconprovider.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

namespace {

// One provider for all dialogs: the dialog's model may still ask it from its gathering
// thread while a dialog goes away, so it must outlive them all.
NameOnlyIconProvider *sharedProvider()
{
    static auto *provider = new NameOnlyIconProvider;
    return provider;
}

} // namespace

SaveDialog::SaveDialog(QWidget *parent, const QString &caption, const QString &start,
                       const QString &filter)
    : QFileDialog(parent, caption, start, filter)
{
    setObjectName(QStringLiteral("SaveDialog"));
    setOption(QFileDialog::DontUseNativeDialog);
    setIconProvider(sharedProvider());
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
}

QString SaveDialog::run()
{
    if (exec() != QDialog::Accepted)
        return {};
    return chosenPath();
}

QString SaveDialog::chosenPath() const
{
    if (!m_quotedPath.isEmpty())
        return m_quotedPath;
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

void SaveDialog::accept()
{
    m_quotedPath.clear();
    const QString name = typedName();
    // Qt's dialog reads "a" "b" as a list of names; a save takes one name, quotes and all.
    // A name wholly in quotes stays the usual way of typing one name as it is.
    const bool oneQuotedName =
        name.size() >= 2 && name.startsWith(u'"') && name.endsWith(u'"') && name.count(u'"') == 2;
    if (name.contains(u'"') && !oneQuotedName && acceptQuotedName(name))
        return;
    QFileDialog::accept();
}

QString SaveDialog::typedName() const
{
    const auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    return edit ? edit->text() : QString();
}

bool SaveDialog::acceptQuotedName(const QString &name)
{
    QString path = QDir(directory()).absoluteFilePath(name);
    if (QFileInfo(path).suffix().isEmpty() && !defaultSuffix().isEmpty())
        path += u'.' + defaultSuffix();
    const QFileInfo info(path);
    if (info.isDir()) {
        setDirectory(path);
        return true;
    }
    if (info.exists() && !testOption(QFileDialog::DontConfirmOverwrite) &&
        QMessageBox::warning(
            this, windowTitle(),
            tr("%1 already exists.\nDo you want to replace it?").arg(info.fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return true;
    m_quotedPath = QDir::cleanPath(path);
    QDialog::accept();
    return true;
}
