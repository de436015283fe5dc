#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include "nmeasentences.h"

// Builders that fill the NMEA records from compact little-endian binary payloads, and text
// formatters that write a record back as an NMEA line without checksum. Nothing on the
// receive road uses them; they are kept for tools that repackage binary output as NMEA.
//
// Payload layouts read by the builders (little-endian; "arcsec" are seconds of arc,
// north and east positive; fields missing from a short payload read as 0):
//   GGA: f64 time hhmmss.ss, f64 latitude arcsec, f64 longitude arcsec, u8 quality,
//        u8 satellites, f32 hdop, f64 altitude, f32 geoid separation, u16 dgps age,
//        u16 dgps station
//   GSA: u8 mode letter, u8 fix type, f32 pdop, f32 hdop, f32 vdop, then for GA, GB, GL
//        and GP in this order twelve u8 satellite numbers (0 for an empty field)
//   GST: f64 time hhmmss.ss, then f32 rms, semi-major, semi-minor, orientation,
//        latitude error, longitude error, altitude error
//   GSV: for GL and then GP, four slots of u8 number (0 for an empty slot),
//        u8 elevation, u16 azimuth, u8 signal-to-noise ratio
//   RMC: f64 time hhmmss.ss, u8 status letter, f64 latitude arcsec, f64 longitude arcsec,
//        f32 speed in knots, f32 course, u32 date ddmmyy, u8 mode letter
//   VTG: f32 true course, f32 magnetic course, f32 speed in knots, u8 mode letter
//   ZDA: f64 time hhmmss.ss, u8 day, u8 month, u16 year, s8 zone hours, u8 zone minutes

// ddmm.mmmm from decimal degrees; -1 passes through unchanged.
double degreesToNmea(double degrees);

GGA buildGGA(const QByteArray &payload);
QVector<GSA> buildGSA(const QByteArray &payload);
GST buildGST(const QByteArray &payload);
QVector<GSV> buildGSV(const QByteArray &payload);
RMC buildRMC(const QByteArray &payload);
VTG buildVTG(const QByteArray &payload);
ZDA buildZDA(const QByteArray &payload);

QString formatGGA(const GGA &sentence);
QString formatGST(const GST &sentence);
QString formatRMC(const RMC &sentence);
QString formatVTG(const VTG &sentence);
QString formatZDA(const ZDA &sentence);

// Runs the event loop for about the given number of milliseconds (monotonic clock).
void delayWithEvents(int milliseconds);
