#pragma once

class AdObj;

// A new object of the same kind holding every stored field of pObj (its drawing caches are
// built afresh). Null for no object or an unknown kind.
AdObj *CloneObject(const AdObj *pObj);
