#include "WiderAllowanceDialog.h"

#include "Controls.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace orvanta {

WiderAllowanceDialog::WiderAllowanceDialog(QWidget *parent, const WiderAllowance &current)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("WiderAllowanceDialog"));
    setWindowTitle(tr("Allowed width"));
    auto *layout = new QVBoxLayout(this);
    auto *explained = Controls::wrapped("WiderAllowanceLabel",
                                        tr("A translation drawn wider than its original is listed as "
                                           "\"wider\" only when it is wider by more than this:"));
    layout->addWidget(explained);
    auto *row = new QHBoxLayout;
    m_amount = Controls::named(new QSpinBox, "WiderAllowanceAmount");
    m_amount->setRange(0, WiderAllowance::Most);
    m_amount->setValue(current.amount);
    m_unit = Controls::named(new QComboBox, "WiderAllowanceUnit");
    m_unit->addItem(tr("pixels"), int(WiderAllowance::Unit::Pixels));
    m_unit->addItem(tr("% of the original's width"), int(WiderAllowance::Unit::Percent));
    m_unit->setCurrentIndex(m_unit->findData(int(current.unit)));
    row->addWidget(m_amount);
    row->addWidget(m_unit, 1);
    layout->addLayout(row);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_amount->setFocus();
    m_amount->selectAll();
}

std::optional<WiderAllowance> WiderAllowanceDialog::ask(QWidget *parent, const WiderAllowance &current)
{
    WiderAllowanceDialog dialog(parent, current);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return WiderAllowance{dialog.m_amount->value(), WiderAllowance::Unit(dialog.m_unit->currentData().toInt())};
}

} // namespace orvanta
