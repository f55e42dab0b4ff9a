// The save-file dialog of every program: Qt's own dialog, so that it never reads a file to
// draw it (see NameOnlyIconProvider), and a typed name with double quotes in it is one
// name, not a list of names.
#pragma once

#include <QFileDialog>

class SaveDialog : public QFileDialog {
    Q_OBJECT

public:
    // filter in Qt's form, "Rich Text format (*.rtf)" entries joined by ";;".
    SaveDialog(QWidget *parent, const QString &caption, const QString &start,
               const QString &filter);

    // Shows the dialog; the chosen path, or an empty string when cancelled.
    QString run();
    // The path accepted last.
    QString chosenPath() const;

public slots:
    void accept() override;

private:
    QString typedName() const;
    bool acceptQuotedName(const QString &name);

    QString m_quotedPath;
};
