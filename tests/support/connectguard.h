#pragma once

// Connections are made by text signature, and Qt only warns at run time when a
// signature does not match. Tests call installConnectGuard() from initTestCase():
// from then on any "QObject::connect:" warning fails the running test.
// (CTest also fails a test whose output contains that text, as a second net.)
void installConnectGuard();

// The number of connect warnings seen since the guard was installed.
int connectWarningCount();
