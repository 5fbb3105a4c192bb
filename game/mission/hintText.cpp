#include "mission/hintText.h"

const wchar_t* hintText(int state)
{
    switch (state) {
    case 1:
        return L"Destrua os robos. Use a letra A para \nmudar o produto quimico, clique para ativar.";
    case 2:
    case 20:
    case 41:
    case 104:
        return L"Toque o terminal de computador para aciona-lo.";
    case 30:
        return L"Encontre um pendrive e uma arma. Passe sobre eles.";
    case 92:
        return L"Encontre uma ferramenta. Passe sobre ela.";
    case 100:
        return L"Toque a antena para efetuar regulagem.";
    case 130:
    case 150:
        return L"Encontre interruptor em uma parede. Acione para \nabrir porta.";
    case 160:
        return L"Encontre a chave digital de seguranca.";
    default:
        return nullptr;
    }
}
