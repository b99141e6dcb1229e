#include "FrmEvenGeduld.h"

#include "ui/Twips.h"
#include "ui/Vensters.h"

#include <QLabel>

FrmEvenGeduld::FrmEvenGeduld()
    : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("FrmEvenGeduld"));
    setWindowTitle(QStringLiteral("Bezig..."));
    Label1 = new QLabel(QStringLiteral("Even Geduld..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    ui::zetGeometrie(Label1, 240, 840, 4335, 375);
}

void FrmEvenGeduld::Form_Load()
{
    setWindowState(Qt::WindowNoState);
    ui::vensterPlaatsen(this, 0, 0, 4935, 2475);
}

void FrmEvenGeduld::toon()
{
    Form_Load();
    show();
}
