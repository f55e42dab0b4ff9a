// The main window of Glintwork.
#pragma once

#include <QMainWindow>

class FormGW : public QMainWindow {
    Q_OBJECT
public:
    explicit FormGW(QWidget *parent = nullptr);
};
