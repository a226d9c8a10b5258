#pragma once

#include "font/WiderAllowance.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QSpinBox;

namespace orvanta {

// "Allowed width" ("WiderAllowanceDialog"): how much wider than its
// original a translation may be drawn before the `wider` check warns, a
// number ("WiderAllowanceAmount") of pixels or of percent of the original's
// width ("WiderAllowanceUnit").
class WiderAllowanceDialog : public QDialog {
    Q_OBJECT

public:
    // Shows `current`; the allowance chosen, or nothing when cancelled.
    static std::optional<WiderAllowance> ask(QWidget *parent, const WiderAllowance &current);

private:
    WiderAllowanceDialog(QWidget *parent, const WiderAllowance &current);

    QSpinBox *m_amount = nullptr;
    QComboBox *m_unit = nullptr;
};

} // namespace orvanta
