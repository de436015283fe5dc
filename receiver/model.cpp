#include "model.h"

Model::Model(QObject *parent)
    : QObject(parent)
{
}

InterfaceMode Model::interfaceMode() const
{
    return m_interfaceMode;
}

ReceiverRefCoordinatesMode Model::receiverRefCoordinatesMode() const
{
    return m_refMode;
}

GeoCoordinate Model::receiverRefCoordinates() const
{
    return m_mean;
}

GeoCoordinate Model::receiverCoordinates() const
{
    return m_receiver;
}

void Model::setReceiverRefCoordForTrack(const GeoCoordinate &coordinate)
{
    m_refForTrack = coordinate;
}

GeoCoordinate Model::receiverRefCoordForTrack() const
{
    return m_refForTrack;
}

int Model::pointCount() const
{
    return m_window.size();
}

int Model::effectiveWindowSize() const
{
    return m_windowSize < 1 ? 1 : m_windowSize;
}

void Model::setMaxNumberPoints(int n)
{
    // Removing a position from the mean divides by the count that remains, so the window
    // never shrinks below one position; a size of 0 averages over the latest position.
    const int keep = n < 1 ? 1 : n;
    while (m_window.size() > keep) {
        const double c = static_cast<double>(m_count);
        m_mean = (m_mean * c - m_window.first()) / (c - 1.0);
        m_window.removeFirst();
        --m_count;
    }
    m_windowSize = n;
}

int Model::maxNumberPoints() const
{
    return m_windowSize;
}

void Model::setInterfaceMode(InterfaceMode mode)
{
    m_interfaceMode = mode;
    emit interfaceModeChanged(mode);
}

void Model::setReceiverRefCoordinatesMode(ReceiverRefCoordinatesMode mode)
{
    m_refMode = mode;
    emit receiverRefCoordinatesModeChanged(mode);
}

void Model::setReceiverRefCoordinates(GeoCoordinate coordinate)
{
    // The typed reference goes straight to the windows; the mean is left alone.
    emit receiverRefCoordinatesChanged(coordinate);
}

void Model::resetReceiverRefCoordinates()
{
    m_count = 0;
    m_window.clear();
    m_mean = GeoCoordinate(true);
    emitMean();
}

void Model::setReceiverCoordinates(GeoCoordinate coordinate)
{
    if (!coordinate.isValid())
        return;

    const int size = effectiveWindowSize();
    if (size > m_window.size()) {
        // Still filling the window: a plain running mean.
        const double n = static_cast<double>(m_count);
        m_mean = (m_mean * n + coordinate) / (n + 1.0);
        ++m_count;
    } else if (!m_window.isEmpty()) {
        // Window full: the newest position replaces the oldest in the mean.
        m_mean = m_mean + (coordinate - m_window.first()) / static_cast<double>(size);
        m_window.removeFirst();
    }
    m_window.append(coordinate);
    m_receiver = coordinate;
    emit receiverCoordinatesChanged(coordinate);
    emitMean();
}

void Model::emitMean()
{
    if (m_refMode == RefCoordinatesAverage)
        emit receiverRefCoordinatesChanged(m_mean);
    else if (m_refMode == RefCoordinatesFixed)
        emit receiverRefCoordForTrackChanged(m_mean);
}
