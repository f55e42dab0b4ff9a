// The please-wait window shown while the list and the preview are built: a status line,
// a message, the progress bar and a picture. While it is open a timer keeps it in front.
#pragma once

#include <QDialog>

class ProgressIndicator;
class ProgressState;
class QLabel;
class QLineEdit;
class QTimer;

class PleaseWaitWindow : public QDialog {
    Q_OBJECT
public:
    explicit PleaseWaitWindow(ProgressState &progress, QWidget *parent = nullptr);

    // Shows the window with its first texts, sets the progress to 0 and lets it paint.
    void load();
    void unload();
    bool isLoaded() const { return m_loaded; }

    void setStatus(const QString &text);
    QString status() const;
    void setMessage(const QString &text);
    QString message() const;

protected:
    // The window goes away only when the work it waits for ends: Escape and the window
    // manager's close leave it open meanwhile.
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void bringToFront();

    ProgressState &m_progress;
    QLineEdit *m_status = nullptr;
    QLabel *m_message = nullptr;
    ProgressIndicator *m_bar = nullptr;
    QTimer *m_frontTimer = nullptr;
    bool m_loaded = false;
};
