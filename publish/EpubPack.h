#pragma once

#include "publish/WebManifest.h"

#include <string>

// Packs the web edition in EditionDir, written for EPUB (XHTML pages, no
// scripts) and described by Manifest, into the EPUB 3 book EpubFile: the
// "mimetype" entry first and stored, the container and package documents, a
// navigation document of the pages' titles, then every page and resource.
// The book's identifier is a name-based UUID of its title and pages, so the
// same book packs with the same identifier; its modification time is
// SOURCE_DATE_EPOCH when set (reproducible builds), the current time otherwise.
// False with Error when a listed file is missing, a path would leave the
// edition or holds characters an EPUB cannot name a file with, two paths
// differ only in letter case, or the file cannot be written; an existing
// EpubFile is then left as it was.
bool PackEpub(const std::string& EditionDir, const TWebManifest& Manifest,
              const std::string& EpubFile, std::string& Error);
