// The contract fixture's part for the checker's queries: a document type of the tests' own
// under HKEY_CLASSES_ROOT, and a folder put in front of PATH. Each platform sets them up by
// its own means and undoes them.
#pragma once

#include <string>

namespace Fixture {

// extension (".vlcheck") → typeName, whose "open" verb runs command.
void RegisterFileType(const std::string& extension, const std::string& typeName, const std::string& command);
void RemoveFileType(const std::string& extension, const std::string& typeName);

// PATH begins with folder until RestorePath.
void PrependToPath(const std::string& folder);
void RestorePath();

}  // namespace Fixture
