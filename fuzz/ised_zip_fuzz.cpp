// The department's ZIP archive as the import opens it: finding the member,
// unpacking it in memory within its limit, then reading the pool it holds.
#include <cstdlib>

#include "examsim/import/isedarchive.h"
#include "examsim/import/isedfile.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    silenceMessages();
    uiContext().InterfaceLanguage = static_cast<int>(size & 1);

    IsedMember member;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!myReadIsedArchive(bytes, "amat_basic_quest.zip", member)) return 0;
    if (member.Bytes.size() > MaxMemberBytes || member.Name.empty()) std::abort();

    ImportedPool pool;
    myParseIsedBytes(member.Bytes, member.Name, pool);
    return 0;
}
