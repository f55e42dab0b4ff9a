// The save-file dialog through QFileDialog.
#pragma once

#include "logic/savefiledialog.h"

class QWidget;

class QtSaveFileDialog : public SaveFileDialog {
public:
    explicit QtSaveFileDialog(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    QString saveFileName(const QString &title, const QString &suggestedName,
                         const QString &filter) override;

private:
    QWidget *m_parent = nullptr;
};
