#pragma once

#include <QString>

class QComboBox;

// Fills an editable list with the IANA zones, an empty first entry meaning
// "no zone", and lets typing any part of a name ("dhaka", "london") find it.
void fillZoneList(QComboBox *list);

// The zone named exactly as the list has it, whatever the case typed; empty
// for an empty text, and for a text that names no zone.
QString knownZone(const QComboBox *list, const QString &typed);
