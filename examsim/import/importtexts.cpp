#include "importtexts.h"

#include "texttable.h"
#include "uicontext.h"

namespace {

const TextPair<ImportText> kTexts[] = {
    {ImportText::PairLockFailed, "myWriteImportedBanks, cannot lock & err=& &",
     "myWriteImportedBanks, ne peut verrouiller & err=& &"},
    {ImportText::RecoveryFailed, "myRecoverImport, cannot finish the interrupted import of & err=& &",
     "myRecoverImport, ne peut achever l'importation interrompue de & err=& &"},
};

}  // namespace

const std::string& importTextIn(ImportText id, int language) { return textFromTable<kTexts>(id, language); }

const std::string& importText(ImportText id) { return importTextIn(id, uiContext().InterfaceLanguage); }
