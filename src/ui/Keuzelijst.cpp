#include "ui/Keuzelijst.h"
#include "ui/Toepassing.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QScopedValueRollback>
#include <QSignalBlocker>

namespace ui {

Keuzelijst::Keuzelijst(QWidget* parent)
    : QListWidget(parent)
{
}

void Keuzelijst::focusInEvent(QFocusEvent* event)
{
    if (currentIndex().isValid()) {
        QListWidget::focusInEvent(event);
        return;
    }
    // Qt puts the current row on the first row here; take it back before anyone hears of it.
    const QSignalBlocker stil(this);
    QListWidget::focusInEvent(event);
    if (currentIndex().isValid())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void Keuzelijst::keyPressEvent(QKeyEvent* event)
{
    const QScopedValueRollback toets(m_toetsen, m_toetsen + 1);
    QListWidget::keyPressEvent(event);
}

Keuzevak::Keuzevak(const QString& opschrift, QWidget* parent)
    : QCheckBox(opschrift, parent)
{
}

void Keuzevak::keyPressEvent(QKeyEvent* event)
{
    const QScopedValueRollback toets(m_toetsen, m_toetsen + 1);
    QCheckBox::keyPressEvent(event);
}

void Keuzevak::keyReleaseEvent(QKeyEvent* event)
{
    // Space toggles the box on its release.
    const QScopedValueRollback toets(m_toetsen, m_toetsen + 1);
    QCheckBox::keyReleaseEvent(event);
}

namespace {

// A user's action on the combo box or its drop-down list starts a new choice; a change of the entry
// during it is followed by Qt's "activated", which must not run the handling a second time.
class KeuzeVolger : public QObject
{
public:
    KeuzeVolger(QComboBox* lijst, std::function<void()> klik)
        : QObject(lijst)
        , m_klik(std::move(klik))
    {
        lijst->installEventFilter(this);
        lijst->view()->installEventFilter(this);
        lijst->view()->viewport()->installEventFilter(this);
        ui::verbinden(lijst, &QComboBox::currentIndexChanged, this, [this](int i) {
            if (i < 0)
                return;
            m_gewijzigd = true;
            m_klik();
        });
        ui::verbinden(lijst, &QComboBox::activated, this, [this](int i) {
            const bool alGemeld = m_gewijzigd;
            m_gewijzigd = false;
            if (i >= 0 && !alGemeld)
                m_klik();
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::ShortcutOverride: // the drop-down list takes Enter at this stage already
        case QEvent::KeyPress:
        case QEvent::Wheel:
            m_gewijzigd = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    std::function<void()> m_klik;
    bool m_gewijzigd = false;
};

// Passes the wheel over the closed combo box on to its parents.
class WielDoorgeven : public QObject
{
public:
    explicit WielDoorgeven(QComboBox* lijst)
        : QObject(lijst)
    {
        lijst->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        // Kept from the box but not accepted: Qt offers the wheel to the parents next.
        event->ignore();
        return true;
    }
};

} // namespace

void keuzeZonderWiel(QComboBox* lijst)
{
    if (!lijst)
        return;
    // Without the wheel's share of its focus policy the wheel gives the box no focus either.
    lijst->setFocusPolicy(static_cast<Qt::FocusPolicy>(lijst->focusPolicy() & ~(Qt::WheelFocus & ~Qt::StrongFocus)));
    new WielDoorgeven(lijst);
}

void keuzeVolgen(QComboBox* lijst, std::function<void()> klik)
{
    if (lijst && klik)
        new KeuzeVolger(lijst, std::move(klik));
}

} // namespace ui
