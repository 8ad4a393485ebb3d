#pragma once

#include <QDialog>

// "About Orbivane": the icon, the product name and version, and the notice.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
