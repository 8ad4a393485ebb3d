#include "app/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("About Orbivane"));
    auto *icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/orbivane.png")).pixmap(32, 32));
    auto *name = new QLabel(tr("Orbivane Version 1.0"), this);
    name->setTextFormat(Qt::PlainText);
    auto *notice = new QLabel(tr("Copyright (C) 2026 Tarnwell. Ver:1.2"), this);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(name, 0, 1);
    grid->addWidget(notice, 1, 1);
    grid->addWidget(ok, 0, 2, Qt::AlignTop);
    setFixedSize(sizeHint());
}
