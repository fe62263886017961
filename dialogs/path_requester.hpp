#pragma once
// The modal directory chooser: the file requester's window without files, filter or name editing.
#include <string>

namespace kvx {

// path "" keeps LastDirectory. Returns the directory shown when "Select" was clicked, ending in
// "/", or "" when cancelled or when the application window is closed meanwhile.
std::string KVX_PathRequester(const std::string& title, const std::string& path);

}  // namespace kvx
