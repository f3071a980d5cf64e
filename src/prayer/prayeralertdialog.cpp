#include "prayer/prayeralertdialog.h"

#include "core/profilesettings.h"
#include "ui_prayeralertdialog.h"

namespace {

std::array<QSpinBox *, 5> alertSpins(const Ui::PrayerAlertDialogForm &ui)
{
    return {ui.fajrAlertSpin, ui.zohorAlertSpin, ui.asrAlertSpin, ui.magrebAlertSpin, ui.ishaAlertSpin};
}

} // namespace

PrayerAlertDialog::PrayerAlertDialog(ProfileSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_ui(std::make_unique<Ui::PrayerAlertDialogForm>())
{
    m_ui->setupUi(this);
    const auto spins = alertSpins(*m_ui);
    for (int i = 0; i < 5; ++i)
        spins[i]->setValue(settings.prayerAlerts()[i]);
    m_ui->hijriAdjustSpin->setValue(settings.hijriAdjustment());
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &PrayerAlertDialog::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

PrayerAlertDialog::~PrayerAlertDialog() = default;

void PrayerAlertDialog::accept()
{
    PrayerAlerts alerts{};
    const auto spins = alertSpins(*m_ui);
    for (int i = 0; i < 5; ++i)
        alerts[i] = spins[i]->value();
    m_settings.setPrayerAlerts(alerts);
    m_settings.setHijriAdjustment(m_ui->hijriAdjustSpin->value());
    QDialog::accept();
}
