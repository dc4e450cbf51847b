#pragma once

#include <QDialog>

class QLabel;

// The modal About box: the program's name and the author's contact address, which
// opens a new mail message when clicked.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

    static QString contactAddress();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_address = nullptr; // owned by the dialog's panel
};
