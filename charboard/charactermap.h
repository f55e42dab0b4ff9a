// The main window of Charboard.
#pragma once

#include <QMainWindow>

class CharacterMap : public QMainWindow {
    Q_OBJECT
public:
    explicit CharacterMap(QWidget *parent = nullptr);
};
