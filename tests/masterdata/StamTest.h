#pragma once

// A started database without windows: the shipped database in a fresh folder, opened as start-up
// opens it, with the options read.

#include "Proefgegevens.h"
#include "QtAfdruk.h"
#include "TestDatabase.h"
#include "core/Algemeen.h"
#include "core/Opstart.h"
#include "ui/TestMeldingenScope.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

class StamTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_map.isValid());
        testhulp::applicatiemapVullen(m_map.path());
        core::zetApplicatiemap(m_map.path());
        core::algemeen().strTaal = QStringLiteral("N");
        core::DatabaseOpenen();
        core::TabellenOpenen();
        core::OptiesLezen();
    }
    void TearDown() override
    {
        core::algemeenHerstellen();
        core::zetApplicatiemap(QString());
        EXPECT_TRUE(m_meldingen->inOrde()) << m_meldingen->verslag().toStdString();
    }

    db::Database& d() { return core::algemeen().dbGegevens; }
    QString tekst(const QString& sql, const QList<db::Waarde>& p = {}) { return d().openRecordset(sql, p).veld(0).tekst(); }
    qint64 aantal(const QString& tabel) { return d().openRecordset("SELECT COUNT(*) FROM \"" + tabel + "\"").veld(0).geheel(); }

    QTemporaryDir m_map;
    ui::TestMeldingenScope m_meldingen;
};
