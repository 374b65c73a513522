#pragma once

class QWebEngineProfile;

// The one web profile of the program: off the record, so that the engine
// keeps cache, cookies and storage in memory and writes nothing to disk.
// Created on first use and owned by the application object, so that it
// outlives every page made on it.
QWebEngineProfile *OffTheRecordProfile();
