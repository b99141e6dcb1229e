#pragma once

#include "ui/TestMeldingen.h"

namespace ui {

/**
 * Installs a fresh TestMeldingen for as long as it lives and puts back whatever was in use before.
 *
 *     ui::TestMeldingenScope meldingen;
 *     meldingen->verwachtJaNee(true);
 *     ...
 *     EXPECT_TRUE(meldingen->inOrde()) << meldingen->verslag().toStdString();
 */
class TestMeldingenScope
{
public:
    TestMeldingenScope();
    ~TestMeldingenScope();

    TestMeldingenScope(const TestMeldingenScope&) = delete;
    TestMeldingenScope& operator=(const TestMeldingenScope&) = delete;

    /** @return the installed test instance */
    TestMeldingen& operator*() { return m_test; }
    /** @return the installed test instance */
    TestMeldingen* operator->() { return &m_test; }

private:
    TestMeldingen m_test;
    Meldingen* m_vorige = nullptr;
};

} // namespace ui
