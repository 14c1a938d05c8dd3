#pragma once

#include <QString>

// The dataset layer's field types. The order matters: the query helpers treat every type after
// ftLargeint as "other".
enum class FieldType {
    ftUnknown,
    ftString,
    ftSmallint,
    ftInteger,
    ftWord,
    ftBoolean,
    ftFloat,
    ftCurrency,
    ftBCD,
    ftDate,
    ftTime,
    ftDateTime,
    ftBytes,
    ftVarBytes,
    ftAutoInc,
    ftBlob,
    ftMemo,
    ftGraphic,
    ftFmtMemo,
    ftParadoxOle,
    ftDBaseOle,
    ftTypedBinary,
    ftCursor,
    ftFixedChar,
    ftWideString,
    ftLargeint,
    ftTimeStamp,
    ftFMTBcd,
    ftFixedWideChar,
    ftWideMemo,
    ftLongWord,
    ftShortint,
    ftByte,
    ftExtended,
    ftSingle,
};

// How values of a field type are held and compared.
enum class FieldFamily { Text, Integer, LargeInt, Float, Currency, Boolean, Date, Time, DateTime, Other };

FieldFamily fieldFamily(FieldType type);
bool isTextType(FieldType type);
bool isNumericType(FieldType type);
QString fieldTypeName(FieldType type);
// Characters a field of this type shows by default.
int defaultDisplayWidth(FieldType type, int size);
