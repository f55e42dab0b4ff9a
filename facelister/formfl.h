// The main window of Facelister.
#pragma once

#include <QMainWindow>

class FormFL : public QMainWindow {
    Q_OBJECT
public:
    explicit FormFL(QWidget *parent = nullptr);
};
