#include "prayer/cityinfodialog.h"

#include "db/databasesetup.h"
#include "db/dbsession.h"
#include "core/fieldinput.h"
#include "core/promptservice.h"
#include "timetext/angletext.h"
#include "core/timesource.h"
#include "prayer/prayerstore.h"
#include "prayer/prayeryearwriter.h"
#include "ui_cityinfodialog.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace {

int methodFromRadios(const Ui::CityInfoDialogForm &ui)
{
    if (ui.byIntervalRadio->isChecked())
        return int(FajrMethod::ByInterval);
    if (ui.byMaxIntervalRadio->isChecked())
        return int(FajrMethod::ByMaxInterval);
    return int(FajrMethod::ByAngle);
}

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

} // namespace

CityInfoDialog::CityInfoDialog(const PrayerStore &store, PromptService &prompts,
                           const TimeSource &time, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
    , m_prompts(prompts)
    , m_time(time)
    , m_ui(std::make_unique<Ui::CityInfoDialogForm>())
{
    m_ui->setupUi(this);
    m_ui->cityCombo->lineEdit()->setMaxLength(35);
    connect(m_ui->cityCombo, &QComboBox::activated, this, [this] { loadSelectedCity(); });
    connect(m_ui->fiqhList, &QComboBox::activated, this, &CityInfoDialog::onFiqhChosen);
    connect(m_ui->ratioList, &QComboBox::activated, this, &CityInfoDialog::onRatioChosen);
    connect(m_ui->generateButton, &QPushButton::clicked, this, [this] { generatePrayerYear(); });
    connect(m_ui->okButton, &QPushButton::clicked, this, &CityInfoDialog::accept);
    initCityDialog();
}

CityInfoDialog::~CityInfoDialog() = default;

void CityInfoDialog::initCityDialog()
{
    if (!databaseExists(m_store.dataSource())) {
        showStatus("Database not found. Creating Database");
        reportDbError(createDatabase(m_store.dataSource()), m_prompts);
    }
    fillCityList();
    if (loadSelectedCity())
        writeControls();
}

void CityInfoDialog::fillCityList(const QString &keep)
{
    const QSignalBlocker blocker(m_ui->cityCombo);
    m_ui->cityCombo->clear();
    DbSession session = m_store.openSession();
    const DbResult<QStringList> cities = m_store.listCities(session);
    if (!reportDbError(cities, m_prompts) || cities.value().isEmpty())
        return;
    QStringList sorted = cities.value();
    std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    m_ui->cityCombo->addItems(sorted);
    m_ui->cityCombo->setCurrentIndex(std::max(0, int(sorted.indexOf(keep))));
}

bool CityInfoDialog::loadSelectedCity()
{
    if (m_ui->cityCombo->count() == 0)
        return true;
    const QString selected = m_ui->cityCombo->currentText();
    showStatus(selected);
    m_settings.city = selected.trimmed();
    DbSession session = m_store.openSession();
    const DbResult<std::optional<CityRecord>> record = m_store.loadCity(session, m_settings.city);
    if (!reportDbError(record, m_prompts)) {
        closeAsCancelled();
        return false;
    }
    if (record.value())
        applyCityRecord(*record.value(), m_settings);
    else
        m_settings.fiqhText = kHanafi;
    writeControls();
    return true;
}

void CityInfoDialog::onFiqhChosen()
{
    m_settings.fiqhText = m_ui->fiqhList->currentText();
    m_settings.ratioIndex = ratioForFiqh(m_settings.fiqhText);
    m_ui->ratioList->setCurrentIndex(m_settings.ratioIndex);
}

void CityInfoDialog::onRatioChosen()
{
    m_settings.ratioIndex = m_ui->ratioList->currentIndex();
    m_settings.fiqhText = fiqhForRatio(m_settings.ratioIndex);
    m_ui->fiqhList->setCurrentText(m_settings.fiqhText);
}

bool CityInfoDialog::generatePrayerYear()
{
    if (!readControls())
        return false;
    writeControls();
    if (!timeZoneAllowed(m_settings.timeZone)) {
        FieldInput(m_prompts).refuse(m_ui->timeZoneEdit, "Illegal Time Zone Value");
        return false;
    }
    const PrayerCalcParams params = toCalcParams(m_settings, TimeSource::toLocal(m_time.now()).year);
    const PrayerTimeTable table = computePrayerYear(params);
    saveCity();

    DbSession session = m_store.openSession();
    const DbStatus written = writePrayerYear(m_store, session, params, table, [this](int day) {
        showStatus(QString::asprintf("Processing Record %d", day));
        if (day % 32 == 0)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    return reportDbError(written, m_prompts);
}

void CityInfoDialog::saveCity()
{
    const CityRecord record = toCityRecord(m_settings);
    {
        DbSession session = m_store.openSession();
        const DbResult<bool> exists = m_store.cityExists(session, record.city);
        DbStatus status = exists;
        if (status.ok() && exists.value())
            status = m_store.deleteCity(session, record.city);
        if (status.ok())
            status = m_store.insertCity(session, record);
        reportDbError(status, m_prompts);
    }
    fillCityList(record.city);
}

void CityInfoDialog::accept()
{
    if (readControls())
        QDialog::accept();
}

// Stops at the first value out of its range, with the focus on it.
bool CityInfoDialog::readControls()
{
    CitySettings &s = m_settings;
    const Ui::CityInfoDialogForm &ui = *m_ui;
    FieldInput input(m_prompts);
    s.city = ui.cityCombo->currentText();
    const double anyNumber = INFINITY;
    if (!input.takeDouble(ui.timeZoneEdit, -anyNumber, anyNumber, s.timeZone)
        || !input.takeInteger(ui.longitudeDegreesEdit, 0, kLongitudeMaxDegrees, s.longitudeDegrees)
        || !input.takeInteger(ui.longitudeMinutesEdit, 0, 59, s.longitudeMinutes))
        return false;
    s.longitudeDirection = ui.longitudeDirectionList->currentText();
    if (!input.takeInteger(ui.latitudeDegreesEdit, 0, kLatitudeMaxDegrees, s.latitudeDegrees)
        || !input.takeInteger(ui.latitudeMinutesEdit, 0, 59, s.latitudeMinutes))
        return false;
    s.latitudeDirection = ui.latitudeDirectionList->currentText();
    s.daylightSaving = ui.daylightCheck->isChecked() ? 1 : 0;
    s.fajrMethod = methodFromRadios(ui);
    if (!input.takeDouble(ui.angleEdit, 0, 30, s.fajrAngle) || !input.takeDouble(ui.intervalEdit, 0, 60, s.interval))
        return false;
    s.byRatio = ui.ratioRadio->isChecked() ? 1 : 0;
    s.fiqhText = ui.fiqhList->currentText();
    s.ratioIndex = ui.ratioList->currentIndex();
    return true;
}

void CityInfoDialog::writeControls()
{
    const CitySettings &s = m_settings;
    Ui::CityInfoDialogForm &ui = *m_ui;
    ui.cityCombo->setEditText(s.city);
    ui.timeZoneEdit->setText(number(s.timeZone));
    ui.longitudeDegreesEdit->setText(QString::number(s.longitudeDegrees));
    ui.longitudeMinutesEdit->setText(QString::number(s.longitudeMinutes));
    ui.longitudeDirectionList->setCurrentIndex(ui.longitudeDirectionList->findText(s.longitudeDirection));
    ui.latitudeDegreesEdit->setText(QString::number(s.latitudeDegrees));
    ui.latitudeMinutesEdit->setText(QString::number(s.latitudeMinutes));
    ui.latitudeDirectionList->setCurrentIndex(ui.latitudeDirectionList->findText(s.latitudeDirection));
    ui.daylightCheck->setChecked(s.daylightSaving != 0);
    ui.byAngleRadio->setChecked(s.fajrMethod == int(FajrMethod::ByAngle));
    ui.byIntervalRadio->setChecked(s.fajrMethod == int(FajrMethod::ByInterval));
    ui.byMaxIntervalRadio->setChecked(s.fajrMethod == int(FajrMethod::ByMaxInterval));
    ui.angleEdit->setText(number(s.fajrAngle));
    ui.intervalEdit->setText(number(s.interval));
    ui.fiqhRadio->setChecked(s.byRatio == 0);
    ui.ratioRadio->setChecked(s.byRatio != 0);
    ui.fiqhList->setCurrentIndex(ui.fiqhList->findText(s.fiqhText));
    ui.ratioList->setCurrentIndex(s.ratioIndex == 0 || s.ratioIndex == 1 ? s.ratioIndex : -1);
}

void CityInfoDialog::showStatus(const QString &text)
{
    m_ui->statusLabel->setText(text);
}

// A failure while the dialog is being set up closes it as soon as it is shown.
void CityInfoDialog::closeAsCancelled()
{
    if (isVisible())
        reject();
    else
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}
