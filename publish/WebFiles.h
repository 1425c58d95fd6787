#pragma once

#include "platform/base/Types.h"
#include "publish/OutputPaths.h"
#include "publish/WebManifest.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// Files of the book's folder that an edition carries along: media clips and
// the files links open. A file the book names is looked for as the viewer
// looks for it (a Windows name resolved in the book's folder) and copied
// once, under a safe name, into "media/" or "files/".
class TWebFiles {
public:
    TWebFiles(std::string OutDir, TOutputNames& Names, std::string BookFolder);

    // The native path of a file the book names; "" when there is none.
    std::string BookFilePath(const AnsiString& Name) const;
    // The bytes of a file the book names; null when there is none (or it is
    // not a plain file of at most 256 MiB).
    std::shared_ptr<const std::string> BookFileBytes(const AnsiString& Name) const;
    // The address a link to a shell file takes from a page document: a web
    // address as it is (http, https, mailto), a file copied along; "" when the
    // file does not exist.
    std::string ShellFileHref(const AnsiString& ShellFile);
    // The XHTML that plays a media clip with the browser's own element
    // (audio or video by the file's kind), with a plain link to the file
    // inside it for browsers that cannot play it; "" when the file is missing.
    std::string MediaMarkup(const AnsiString& FileName, int Width, int Height);
    // False with Error when a file could not be copied; adds the copies to Resources.
    bool Finish(std::vector<TWebResource>& Resources, std::string& Error);

private:
    // The edition-relative path of the copy of Name in Folder; "" when missing.
    std::string Copy(const AnsiString& Name, const char* Folder);

    std::string FOutDir;
    TOutputNames& FNames;
    std::string FBookFolder;
    std::map<std::string, std::string> FCopies; // resolved source -> edition path
    std::vector<TWebResource> FResources;
    std::string FError;
};

// The media type of a file by its extension ("application/octet-stream"
// when unknown).
std::string MediaTypeOf(const std::string& FileName);
