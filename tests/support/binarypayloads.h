#pragma once

#include <QByteArray>

#include "payload.h"

// Payload builders of each message, in the layout's field order.
inline QByteArray rtimeRdatePayload(quint32 tag, quint16 year, quint8 month, quint8 day,
                                    double seconds, quint8 status)
{
    return Payload().u32(tag).u16(year).u8(month).u8(day).f64(seconds).u8(status);
}

inline QByteArray ecefPayload(quint32 tag, double x, double y, double z, quint8 status)
{
    return Payload().u32(tag).f64(x).f64(y).f64(z).u8(status);
}

inline QByteArray rvelEnuPayload(quint32 tag, double e, double n, double u, double speed,
                                 double course, quint8 status)
{
    return Payload().u32(tag).f64(e).f64(n).f64(u).f64(speed).f64(course).u8(status);
}

struct AtrFields
{
    quint32 tag = 1;
    float vdop = 1.25f, hdop = 0.75f, pdop = 1.5f;
    quint64 masks[5] = {0x3, 0x30, 0x300, 0x3000, 0x30000};
    quint32 totalSA = 17;
    float arf = 2.5f;
    quint32 age = 3;
    quint8 aux = 9, posStatus = 4, velStatus = 4;
};

inline QByteArray rsolAtrPayload(const AtrFields &f)
{
    Payload p;
    p.u32(f.tag).f32(f.vdop).f32(f.hdop).f32(f.pdop);
    for (quint64 mask : f.masks)
        p.u64(mask);
    p.u32(f.totalSA).f32(f.arf).u32(f.age).u8(f.aux).u8(f.posStatus).u8(f.velStatus);
    return p;
}

struct FullFields
{
    quint32 tag = 2;
    quint8 posStatus = 4, velStatus = 4, timeStatus = 4, aux = 7;
    double lat = 55.75, lon = 37.6251, height = 150.5, speed = 10, course = 90.5, climb = -0.25;
    double seconds = 45296.75;
    float hdop = 0.75f;
    quint16 year = 2024;
    quint8 month = 2, day = 29;
};

inline QByteArray rsolFullPayload(const FullFields &f)
{
    return Payload()
        .u32(f.tag).u8(f.posStatus).u8(f.velStatus).u8(f.timeStatus).u8(f.aux)
        .f64(f.lat).f64(f.lon).f64(f.height).f64(f.speed).f64(f.course).f64(f.climb)
        .f64(f.seconds).f32(f.hdop).u16(f.year).u8(f.month).u8(f.day);
}

struct IFullFields
{
    quint32 tag = 3;
    quint8 posStatus = 4, velStatus = 4, timeStatus = 4, aux = 8;
    qint32 x = -123456789, y = 220000050, z = 525000000;
    qint32 vx = 150, vy = -250, vz = 5;
    qint32 ms = 45296001;
    quint16 hdopTenths = 15, year = 2023;
    quint8 month = 7, day = 14;
};

inline QByteArray rsolIFullPayload(const IFullFields &f)
{
    return Payload()
        .u32(f.tag).u8(f.posStatus).u8(f.velStatus).u8(f.timeStatus).u8(f.aux)
        .i32(f.x).i32(f.y).i32(f.z).i32(f.vx).i32(f.vy).i32(f.vz).i32(f.ms)
        .u16(f.hdopTenths).u16(f.year).u8(f.month).u8(f.day);
}

inline QByteArray yprDegPayload(quint32 tag, quint8 posStatus, quint8 timeStatus, quint8 aux1,
                                quint8 aux2, double a1, double a2, double a3, double seconds)
{
    return Payload()
        .u32(tag).u8(posStatus).u8(timeStatus).u8(aux1).u8(aux2)
        .f64(a1).f64(a2).f64(a3).f64(seconds);
}

inline QByteArray hvectPayload(quint32 tag, quint8 posStatus, quint8 timeStatus, quint8 aux,
                               quint8 tenths, const double slave[3], const double master[3],
                               double seconds)
{
    return Payload()
        .u32(tag).u8(posStatus).u8(timeStatus).u8(aux).u8(tenths)
        .f64(slave[0]).f64(slave[1]).f64(slave[2])
        .f64(master[0]).f64(master[1]).f64(master[2])
        .f64(seconds);
}

inline QByteArray gsvEntry(quint8 system, quint8 number, quint16 azimuth, quint8 elevation,
                           quint8 snr1, quint8 snr2, quint8 used)
{
    return Payload().u8(system).u8(number).u16(azimuth).u8(elevation).u8(snr1).u8(snr2).u8(used);
}
