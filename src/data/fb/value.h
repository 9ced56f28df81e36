#pragma once
// Values that go into and come out of statements. A QVariant, because the
// datasets and the grids above them work with QVariant anyway:
//   null            -> an invalid QVariant (QVariant())
//   SMALLINT/INTEGER -> int, BIGINT -> qlonglong
//   NUMERIC/DECIMAL with a scale, FLOAT, DOUBLE PRECISION -> double
//   CHAR, VARCHAR, BLOB SUB_TYPE TEXT -> QString (Windows-1251 in the database)
//   other BLOBs and CHAR/VARCHAR CHARACTER SET OCTETS -> QByteArray
//   DATE -> QDate, TIME -> QTime, TIMESTAMP -> QDateTime (local, no zone)
//   BOOLEAN -> bool

#include <QVariant>

namespace velta::data::fb {

using Value = QVariant;

inline bool isNull(const Value& v) {
    return !v.isValid() || v.isNull();
}

} // namespace velta::data::fb
