#include "tst_binaryrecords_members.h"

#include "binarypayloads.h"
#include "binaryrecords.h"

namespace {

template <typename Record>
QString lineOf(const QByteArray &payload)
{
    return Record(payload).toString();
}

QVector<MemberCheck> rtimeRdate(const QByteArray &payload)
{
    const RTIME_RDATE r(payload);
    return {{"date", 17, r.date.isValid()},
            {"time", 17, r.time.isValid()},
            {"status", 17, r.status.isValid()}};
}

template <typename Record>
QVector<MemberCheck> ecefPosition(const QByteArray &payload)
{
    const Record r(payload);
    return {{"position", 29, r.position.isValid()}, {"status", 29, r.status.isValid()}};
}

QVector<MemberCheck> rvelEcef(const QByteArray &payload)
{
    const RVEL_ECEF r(payload);
    return {{"velocity", 29, r.velocity.isValid()}, {"status", 29, r.status.isValid()}};
}

QVector<MemberCheck> rposLla(const QByteArray &payload)
{
    const RPOS_LLA r(payload);
    return {{"latitude", 29, r.latitude.isValid()},
            {"longitude", 29, r.longitude.isValid()},
            {"height", 29, r.height.isValid()},
            {"status", 29, r.status.isValid()},
            {"latHemisphere", 29, r.latHemisphere.isValid()},
            {"lonHemisphere", 29, r.lonHemisphere.isValid()}};
}

QVector<MemberCheck> rvelEnu(const QByteArray &payload)
{
    const RVEL_ENU r(payload);
    return {{"velocity", 45, r.velocity.isValid()},
            {"horizontalSpeed", 45, r.horizontalSpeed.isValid()},
            {"course", 45, r.course.isValid()},
            {"status", 45, r.status.isValid()}};
}

QVector<MemberCheck> rsolAtr(const QByteArray &payload)
{
    // Everything but the total and aux hangs on the position status at offset 69.
    const RSOL_ATR r(payload);
    return {{"vdop", 70, r.vdop.isValid()},
            {"hdop", 70, r.hdop.isValid()},
            {"pdop", 70, r.pdop.isValid()},
            {"usedGP", 70, r.usedGP.isValid()},
            {"usedGL", 70, r.usedGL.isValid()},
            {"usedGB", 70, r.usedGB.isValid()},
            {"usedGA", 70, r.usedGA.isValid()},
            {"usedGI", 70, r.usedGI.isValid()},
            {"totalSA", 60, r.totalSA.isValid()},
            {"arf", 70, r.arf.isValid()},
            {"age", 70, r.age.isValid()},
            {"aux", 69, r.aux.isValid()},
            {"posStatus", 70, r.posStatus.isValid()},
            {"velStatus", 71, r.velStatus.isValid()}};
}

QVector<MemberCheck> rsolFull(const QByteArray &payload)
{
    const RSOL_FULL r(payload);
    return {{"posStatus", 5, r.posStatus.isValid()},
            {"velStatus", 6, r.velStatus.isValid()},
            {"timeStatus", 7, r.timeStatus.isValid()},
            {"latitude", 16, r.latitude.isValid()},
            {"latHemisphere", 16, r.latHemisphere.isValid()},
            {"longitude", 24, r.longitude.isValid()},
            {"lonHemisphere", 24, r.lonHemisphere.isValid()},
            {"height", 32, r.height.isValid()},
            {"speed", 40, r.speed.isValid()},
            {"course", 48, r.course.isValid()},
            {"climb", 56, r.climb.isValid()},
            {"time", 64, r.time.isValid()},
            {"hdop", 68, r.hdop.isValid()},
            {"date", 72, r.date.isValid()}};
}

QVector<MemberCheck> rsolIFull(const QByteArray &payload)
{
    const RSOL_iFULL r(payload);
    return {{"posStatus", 5, r.posStatus.isValid()},
            {"velStatus", 6, r.velStatus.isValid()},
            {"timeStatus", 7, r.timeStatus.isValid()},
            {"position", 20, r.position.isValid()},
            {"velocity", 32, r.velocity.isValid()},
            {"time", 36, r.time.isValid()},
            {"hdop", 38, r.hdop.isValid()},
            {"date", 42, r.date.isValid()}};
}

QVector<MemberCheck> yprDeg(const QByteArray &payload)
{
    const YPR_DEG r(payload);
    return {{"posStatus", 5, r.posStatus.isValid()},
            {"timeStatus", 6, r.timeStatus.isValid()},
            {"angle1", 16, r.angle1.isValid()},
            {"angle2", 24, r.angle2.isValid()},
            {"angle3", 32, r.angle3.isValid()},
            {"time", 40, r.time.isValid()}};
}

QVector<MemberCheck> hvect(const QByteArray &payload)
{
    const HVECT r(payload);
    return {{"posStatus", 5, r.posStatus.isValid()},
            {"timeStatus", 6, r.timeStatus.isValid()},
            {"auxTenths", 8, r.auxTenths.isValid()},
            {"slaveAntenna", 32, r.slaveAntenna.isValid()},
            {"masterAntenna", 56, r.masterAntenna.isValid()},
            {"time", 64, r.time.isValid()}};
}

} // namespace

QVector<RecordUnderTest> recordsUnderTest()
{
    const double slave[3] = {1.5, 2.5, 3.5};
    const double master[3] = {-1.25, -2.25, -3.25};
    return {
        {"RTIME_RDATE", rtimeRdatePayload(1, 2015, 12, 31, 45296.5, 3), rtimeRdate,
         lineOf<RTIME_RDATE>},
        {"RPOS_ECEF", ecefPayload(7, 2850000.1234, 2200000.5, 5250000, 4),
         ecefPosition<RPOS_ECEF>, lineOf<RPOS_ECEF>},
        {"RVEL_ECEF", ecefPayload(8, 0.5, -0.25, 0.125, 4), rvelEcef, lineOf<RVEL_ECEF>},
        {"BPOS_ECEF", ecefPayload(9, 2850001, 2200001, 5250001, 4), ecefPosition<BPOS_ECEF>,
         lineOf<BPOS_ECEF>},
        {"RPOS_LLA", ecefPayload(10, 55.75, -37.5, 150.25, 4), rposLla, lineOf<RPOS_LLA>},
        {"RVEL_ENU", rvelEnuPayload(11, 1, 2, 3, 2.25, 45.5, 4), rvelEnu, lineOf<RVEL_ENU>},
        {"RSOL_ATR", rsolAtrPayload(AtrFields()), rsolAtr, lineOf<RSOL_ATR>},
        {"RSOL_FULL", rsolFullPayload(FullFields()), rsolFull, lineOf<RSOL_FULL>},
        {"RSOL_iFULL", rsolIFullPayload(IFullFields()), rsolIFull, lineOf<RSOL_iFULL>},
        {"YPR_DEG", yprDegPayload(12, 4, 4, 1, 2, 1.5, -2.5, 270.25, 45296.4), yprDeg,
         lineOf<YPR_DEG>},
        {"HVECT", hvectPayload(13, 4, 4, 3, 25, slave, master, 45296.4), hvect, lineOf<HVECT>},
    };
}
