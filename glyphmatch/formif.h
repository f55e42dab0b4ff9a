// The main window of Glyphmatch.
#pragma once

#include <QMainWindow>

class FormIF : public QMainWindow {
    Q_OBJECT
public:
    explicit FormIF(QWidget *parent = nullptr);
};
