#pragma once

#include "FieldType.h"
#include "Value.h"

#include <libpq-fe.h>

// What a result column of a given PostgreSQL type becomes in the dataset layer.
//
//   boolean                       ftBoolean
//   smallint                      ftSmallint
//   integer                       ftInteger
//   bigint                        ftLargeint
//   real, double precision        ftFloat
//   numeric(p,s)                  ftFMTBcd      (read as a double)
//   character varying(n), name    ftWideString  size n (0 when unlimited)
//   character(n), "char"          ftFixedChar   size n, trailing blanks dropped on reading
//   text                          ftMemo
//   bytea                         ftBlob        (the server's hexadecimal text)
//   date                          ftDate
//   time                          ftTime        (on the zero date 30/12/1899)
//   timestamp, timestamptz        ftDateTime    (as the session shows it, zone dropped)
//   anything else                 ftUnknown     (the server's text)
struct PgColumnType {
    FieldType fieldType = FieldType::ftUnknown;
    int size = 0;
};

namespace PgTypes {

// The type OIDs the program binds and reads; fixed in the server's catalogue.
constexpr Oid boolOid = 16;
constexpr Oid byteaOid = 17;
constexpr Oid charOid = 18;
constexpr Oid nameOid = 19;
constexpr Oid int8Oid = 20;
constexpr Oid int2Oid = 21;
constexpr Oid int4Oid = 23;
constexpr Oid textOid = 25;
constexpr Oid float4Oid = 700;
constexpr Oid float8Oid = 701;
constexpr Oid bpcharOid = 1042;
constexpr Oid varcharOid = 1043;
constexpr Oid dateOid = 1082;
constexpr Oid timeOid = 1083;
constexpr Oid timestampOid = 1114;
constexpr Oid timestamptzOid = 1184;
constexpr Oid numericOid = 1700;

PgColumnType columnType(Oid type, int typmod);
// Reads the server's text form of a non-NULL value of the given type.
Value parseValue(Oid type, const char* text, int length);

}  // namespace PgTypes
