#include "dialogs/DialogStrings.h"

using namespace Qt::StringLiterals;

namespace nivo {

QString LoadResString(int id)
{
    switch (id) {
    case StrHelpButton: return u"Ajuda"_s;
    case StrAbortButton: return u"Abortar"_s;
    case StrRetryButton: return u"Tentar novamente"_s;
    case StrIgnoreButton: return u"Ignorar"_s;
    case StrAllButton: return u"Todos"_s;
    case StrNoToAllButton: return u"Não para Todos"_s;
    case StrYesToAllButton: return u"Sim para &Todos"_s;
    case StrCloseButton: return u"Fechar"_s;
    case StrFewerValuesThanPrompts:
        return u"Comprimento do valor da matriz deve ser >= ao comprimento do prompt da matriz"_s;
    case StrNoPrompts: return u"O prompt da matriz não pode estar vazio"_s;
    case StrFileDialogNeedsNewerSystem: return u"%s requer Windows Vista ou Posterior"_s;
    case StrWarningTitle: return u"Aviso"_s;
    case StrErrorTitle: return u"Erro"_s;
    case StrInformationTitle: return u"Informação"_s;
    case StrConfirmationTitle: return u"Confirmar"_s;
    case StrYesButton: return u"Sim"_s;
    case StrNoButton: return u"Não"_s;
    case StrOkButton: return u"OK"_s;
    case StrCancelButton: return u"Cancelar"_s;
    }
    return {};
}

} // namespace nivo
