// What the program keeps of the user's habits between runs, stored under the program's name.
#pragma once

#include <QString>
#include <QVariant>

namespace tessaro {

// The stored value of the key, or an invalid QVariant when none was stored.
QVariant storedSetting(const QString& key);
// Stores the value at once, so a program that ends abruptly still keeps it.
void storeSetting(const QString& key, const QVariant& value);

}  // namespace tessaro
