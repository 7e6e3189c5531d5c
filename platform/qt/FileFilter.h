#pragma once
// File-type lists of the file dialogs: "description|*.a;*.b|description|*.c" as Qt name filters
// "description (*.a *.b)". A trailing description without patterns is dropped; "*.*" becomes "*"
// (Qt's "*.*" would ask for a dot in the name).
#include <QString>
#include <QStringList>

QStringList ToNameFilters(const QString& filter);
