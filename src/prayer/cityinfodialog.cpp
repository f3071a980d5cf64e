#include "prayer/cityinfodialog.h"

#include "db/databasesetup.h"
#include "db/dbsession.h"
#include "core/fieldinput.h"
#include "core/promptservice.h"
#include "timetext/angletext.h"
#include "core/timesource.h"
#include "prayer/prayerstore.h"
#include "prayer/prayeryearwriter.h"
#include "prayer/yearsummary.h"
#include "prayer/zonelist.h"
#include "ui_cityinfodialog.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

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

std::array<QSpinBox *, 5> offsetSpins(const Ui::CityInfoDialogForm &ui)
{
    return {ui.fajrOffsetSpin, ui.zohorOffsetSpin, ui.asrOffsetSpin, ui.magrebOffsetSpin, ui.ishaOffsetSpin};
}

int presetIndex(const QString &key)
{
    const std::vector<CalcPreset> &presets = calcPresets();
    for (int i = 0; i < int(presets.size()); ++i) {
        if (presets[i].key == key)
            return i;
    }
    return int(presets.size()) - 1;
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
    fillZoneList(m_ui->zoneCombo);
    for (const CalcPreset &preset : calcPresets())
        m_ui->presetList->addItem(QCoreApplication::translate("CalcPreset", qPrintable(preset.name)));
    connect(m_ui->cityCombo, &QComboBox::activated, this, [this] { loadSelectedCity(); });
    connect(m_ui->zoneCombo, &QComboBox::activated, this, &CityInfoDialog::onZoneChosen);
    connect(m_ui->zoneCombo->lineEdit(), &QLineEdit::editingFinished, this, &CityInfoDialog::onZoneChosen);
    connect(m_ui->presetList, &QComboBox::activated, this, [this] {
        readMethod();
        writeMethod();
    });
    connect(m_ui->fiqhList, &QComboBox::activated, this, &CityInfoDialog::onFiqhChosen);
    connect(m_ui->ratioList, &QComboBox::activated, this, &CityInfoDialog::onRatioChosen);
    connect(m_ui->generateButton, &QPushButton::clicked, this, [this] { generatePrayerYear(); });
    connect(m_ui->okButton, &QPushButton::clicked, this, &CityInfoDialog::accept);
    initCityDialog();
}

CityInfoDialog::~CityInfoDialog() = default;

void CityInfoDialog::initCityDialog()
{
    if (!databaseExists(m_store.dataSource()))
        showStatus(tr("Database not found. Creating Database"));
    // Also gives a database of an older clock the columns it lacks, before anything is written.
    reportDbError(createDatabase(m_store.dataSource()), m_prompts);
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
    if (record.value())
        suggestZone();
    return true;
}

// A city saved before zones were kept follows the fixed April to October rule.
void CityInfoDialog::suggestZone()
{
    if (m_settings.zoneName.isEmpty())
        showStatus(tr("Choose the zone of %1, so that its summer time follows the zone's own rules.")
                       .arg(m_settings.city));
}

void CityInfoDialog::onZoneChosen()
{
    const QString zone = knownZone(m_ui->zoneCombo, m_ui->zoneCombo->currentText());
    if (zone == m_settings.zoneName)
        return;
    m_settings.zoneName = zone;
    m_settings.timeZone = standardHours(m_settings, currentYear());
    writeZone();
    // A place not saved yet starts on the directions its zone suggests.
    if (m_ui->cityCombo->findText(m_ui->cityCombo->currentText().trimmed()) < 0) {
        startDirections(m_settings);
        m_ui->longitudeDirectionList->setCurrentText(m_settings.longitudeDirection);
        m_ui->latitudeDirectionList->setCurrentText(m_settings.latitudeDirection);
    }
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
    if (m_settings.zoneName.isEmpty() && !timeZoneAllowed(m_settings.timeZone)) {
        FieldInput(m_prompts).refuse(m_ui->timeZoneEdit, tr("Illegal Time Zone Value"));
        return false;
    }
    const int year = currentYear();
    const StoredYear stored = computeStoredYear(toYearPlan(m_settings, year));
    if (!confirmGeneration(year, int(stored.days.size())))
        return false;
    if (!saveCity())
        return false;

    DbSession session = m_store.openSession();
    const DbStatus written = writePrayerYear(m_store, session, stored, [this](int day) {
        showStatus(tr("Processing Record %1").arg(day));
        if (day % 32 == 0)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    if (!reportDbError(written, m_prompts))
        return false;
    if (const QString summary = adjustedDaysSummary(stored); !summary.isEmpty())
        m_prompts.messageBox(summary + ".", "Chimewise", PromptService::Buttons::Ok, PromptService::Icon::Information);
    return true;
}

bool CityInfoDialog::confirmGeneration(int year, int days)
{
    if (m_settings.city.trimmed().isEmpty()) {
        FieldInput(m_prompts).refuse(m_ui->cityCombo, tr("Type the name of the city first: its settings are kept under it."));
        return false;
    }
    const auto ask = [this](const QString &question) {
        return m_prompts.messageBox(question, "Chimewise", PromptService::Buttons::YesNo, PromptService::Icon::Question)
               == PromptService::Answer::Yes;
    };
    if (const QString mismatch = zoneMismatch(m_settings, year); !mismatch.isEmpty() && !ask(mismatch + tr("\n\nGenerate the times anyway?")))
        return false;
    DbSession session = m_store.openSession();
    const DbResult<bool> hasRows = m_store.anyDayRows(session);
    if (!reportDbError(hasRows, m_prompts))
        return false;
    return !hasRows.value() || ask(tr("Replace the prayer times of all %1 days of %2?").arg(days).arg(year));
}

bool CityInfoDialog::saveCity()
{
    const CityRecord record = toCityRecord(m_settings);
    DbStatus saved;
    {
        DbSession session = m_store.openSession();
        // One transaction: another clock never finds the city gone in between.
        saved = session.transaction([this, &session, &record] {
            const DbResult<bool> exists = m_store.cityExists(session, record.city);
            if (!exists.ok())
                return DbStatus(exists);
            if (const DbStatus deleted = exists.value() ? m_store.deleteCity(session, record.city) : DbStatus();
                !deleted.ok())
                return deleted;
            return m_store.insertCity(session, record);
        });
    }
    if (!reportDbError(saved, m_prompts))
        return false;
    fillCityList(record.city);
    return true;
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
    return readZone() && readMethod();
}

bool CityInfoDialog::readZone()
{
    CitySettings &s = m_settings;
    const Ui::CityInfoDialogForm &ui = *m_ui;
    const QString typedZone = ui.zoneCombo->currentText().trimmed();
    s.zoneName = knownZone(ui.zoneCombo, typedZone);
    if (!typedZone.isEmpty() && s.zoneName.isEmpty()) {
        FieldInput(m_prompts).refuse(ui.zoneCombo, CityInfoDialog::tr("There is no zone named \"%1\". Type part of the name, "
                                                            "such as Dhaka or London, and pick it from the list; or "
                                                            "leave it empty to use the offset and the daylight box.")
                                                        .arg(typedZone));
        return false;
    }
    if (!s.zoneName.isEmpty())
        s.timeZone = standardHours(s, currentYear());
    return true;
}

bool CityInfoDialog::readMethod()
{
    CitySettings &s = m_settings;
    const Ui::CityInfoDialogForm &ui = *m_ui;
    s.preset = calcPresets()[std::max(0, ui.presetList->currentIndex())].key;
    s.highLatitude = std::max(0, ui.highLatitudeList->currentIndex());
    const auto spins = offsetSpins(ui);
    for (int i = 0; i < 5; ++i)
        s.offsets[i] = spins[i]->value();
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
    writeZone();
    writeMethod();
}

// With a zone, its rules give the offset and the summer time.
void CityInfoDialog::writeZone()
{
    const CitySettings &s = m_settings;
    Ui::CityInfoDialogForm &ui = *m_ui;
    ui.zoneCombo->setCurrentIndex(std::max(0, ui.zoneCombo->findText(s.zoneName)));
    ui.zoneCombo->setEditText(s.zoneName);
    ui.timeZoneEdit->setText(number(s.timeZone));
    ui.timeZoneEdit->setEnabled(s.zoneName.isEmpty());
    ui.daylightCheck->setEnabled(s.zoneName.isEmpty());
}

// With a preset, its angles replace the custom method's.
void CityInfoDialog::writeMethod()
{
    const CitySettings &s = m_settings;
    Ui::CityInfoDialogForm &ui = *m_ui;
    ui.presetList->setCurrentIndex(presetIndex(s.preset));
    ui.fajrGroup->setEnabled(presetByKey(s.preset).isCustom());
    ui.highLatitudeList->setCurrentIndex(s.highLatitude);
    const auto spins = offsetSpins(ui);
    for (int i = 0; i < 5; ++i)
        spins[i]->setValue(s.offsets[i]);
}

int CityInfoDialog::currentYear() const
{
    return TimeSource::toLocal(m_time.now()).year;
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
