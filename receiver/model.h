#pragma once

#include <QList>
#include <QObject>

#include "geocoordinate.h"
#include "interfacemode.h"

// How the reference position is chosen. Any int is a defined value; values other than
// these two make the Model emit no reference at all.
enum ReceiverRefCoordinatesMode : int {
    RefCoordinatesFixed = 0,  // a position the user typed in
    RefCoordinatesAverage = 1 // the running mean of the receiver positions
};

// The shared application state: the receiver's output protocol, how the reference is
// chosen, the last receiver position and the running mean of the latest positions.
class Model : public QObject
{
    Q_OBJECT

public:
    explicit Model(QObject *parent = nullptr);

    InterfaceMode interfaceMode() const;
    ReceiverRefCoordinatesMode receiverRefCoordinatesMode() const;
    GeoCoordinate receiverRefCoordinates() const; // the running mean
    GeoCoordinate receiverCoordinates() const;    // the last valid position
    void setReceiverRefCoordForTrack(const GeoCoordinate &coordinate);
    GeoCoordinate receiverRefCoordForTrack() const;
    int pointCount() const;
    // The averaging window size n (0 to 36000). Drops the oldest positions beyond n.
    void setMaxNumberPoints(int n);
    int maxNumberPoints() const;

public slots:
    void setInterfaceMode(InterfaceMode mode);
    void setReceiverRefCoordinatesMode(ReceiverRefCoordinatesMode mode);
    void setReceiverRefCoordinates(GeoCoordinate coordinate);
    void resetReceiverRefCoordinates();
    void setReceiverCoordinates(GeoCoordinate coordinate);

signals:
    void interfaceModeChanged(InterfaceMode mode);
    void receiverRefCoordinatesModeChanged(ReceiverRefCoordinatesMode mode);
    void receiverRefCoordinatesChanged(GeoCoordinate coordinate);
    void receiverCoordinatesChanged(GeoCoordinate coordinate);
    void receiverRefCoordForTrackChanged(GeoCoordinate coordinate);

private:
    void emitMean();
    // The number of positions the mean is taken over: the window size, but at least one,
    // so that a size of 0 never divides by zero.
    int effectiveWindowSize() const;

    InterfaceMode m_interfaceMode = InterfaceNmea;
    ReceiverRefCoordinatesMode m_refMode = RefCoordinatesAverage;
    GeoCoordinate m_mean{true};
    GeoCoordinate m_receiver{true};
    quint64 m_count = 0;
    GeoCoordinate m_refForTrack{true};
    QList<GeoCoordinate> m_window;
    qint32 m_windowSize = 3600;
};
