#include "FieldType.h"

FieldFamily fieldFamily(FieldType type)
{
    switch (type) {
        case FieldType::ftString:
        case FieldType::ftMemo:
        case FieldType::ftFmtMemo:
        case FieldType::ftFixedChar:
        case FieldType::ftWideString:
        case FieldType::ftFixedWideChar:
        case FieldType::ftWideMemo:
        case FieldType::ftBlob:
            return FieldFamily::Text;
        case FieldType::ftSmallint:
        case FieldType::ftInteger:
        case FieldType::ftWord:
        case FieldType::ftAutoInc:
        case FieldType::ftShortint:
        case FieldType::ftByte:
            return FieldFamily::Integer;
        case FieldType::ftLargeint:
        case FieldType::ftLongWord:
            return FieldFamily::LargeInt;
        case FieldType::ftFloat:
        case FieldType::ftBCD:
        case FieldType::ftFMTBcd:
        case FieldType::ftExtended:
        case FieldType::ftSingle:
            return FieldFamily::Float;
        case FieldType::ftCurrency:
            return FieldFamily::Currency;
        case FieldType::ftBoolean:
            return FieldFamily::Boolean;
        case FieldType::ftDate:
            return FieldFamily::Date;
        case FieldType::ftTime:
            return FieldFamily::Time;
        case FieldType::ftDateTime:
        case FieldType::ftTimeStamp:
            return FieldFamily::DateTime;
        default:
            return FieldFamily::Other;
    }
}

bool isTextType(FieldType type)
{
    return fieldFamily(type) == FieldFamily::Text;
}

bool isNumericType(FieldType type)
{
    switch (fieldFamily(type)) {
        case FieldFamily::Integer:
        case FieldFamily::LargeInt:
        case FieldFamily::Float:
        case FieldFamily::Currency:
            return true;
        default:
            return false;
    }
}

QString fieldTypeName(FieldType type)
{
    static const char* const names[] = {
        "Unknown",       "String",   "Smallint",  "Integer",    "Word",     "Boolean",    "Float",
        "Currency",      "BCD",      "Date",      "Time",       "DateTime", "Bytes",      "VarBytes",
        "AutoInc",       "Blob",     "Memo",      "Graphic",    "FmtMemo",  "ParadoxOle", "DBaseOle",
        "TypedBinary",   "Cursor",   "FixedChar", "WideString", "Largeint", "TimeStamp",  "FMTBcd",
        "FixedWideChar", "WideMemo", "LongWord",  "Shortint",   "Byte",     "Extended",   "Single",
    };
    static_assert(sizeof(names) / sizeof(names[0]) == static_cast<int>(FieldType::ftSingle) + 1);
    return QString::fromLatin1(names[static_cast<int>(type)]);
}

int defaultDisplayWidth(FieldType type, int size)
{
    switch (fieldFamily(type)) {
        case FieldFamily::Text:
            return size > 0 ? size : 10;
        case FieldFamily::Integer:
            return type == FieldType::ftSmallint ? 6 : 11;
        case FieldFamily::LargeInt:
            return 15;
        case FieldFamily::Float:
        case FieldFamily::Currency:
            return 10;
        case FieldFamily::Boolean:
            return 5;
        case FieldFamily::Date:
            return 10;
        case FieldFamily::Time:
            return 8;
        case FieldFamily::DateTime:
            return 19;
        case FieldFamily::Other:
            return 10;
    }
    return 10;
}
