#pragma once
// What the sizing tells the user, word for word.
#include <string>

namespace brumelle {

const char *const kRoomTemperature =
    "La température du local est en dehors des plages du diagramme, le calcul est arrêté";
const char *const kRoomHumidity = "L'hygrométrie du local est en dehors des plages du diagramme, le calcul est arrêté";
const char *const kSupplyTemperature =
    "La température de soufflage est en dehors des plages du diagramme, le calcul est arrêté";
const char *const kSupplyHumidity = "L'humidité spécifique du point de soufflage est en dehors des plages du "
                                    "diagramme, le calcul est arrêté";
const char *const kOutdoorHumidity =
    "L'hygrométrie extérieure est en dehors des plages du diagramme, le calcul est arrêté";
const char *const kOutdoorTemperature =
    "La température extérieure est en dehors des plages du diagramme, le calcul est arrêté";
const char *const kExchangerEfficiency = "L'éfficacité de l'échangeur à plaques est incohérente, le calcul est arrêté";
const char *const kNoFreshAirMode = "Aucun mode d'air neuf n'est choisi, le calcul est arrêté";
const char *const kNegativeFreshAir = "Le débit d'air neuf minimum est incohérent, le calcul est arrêté";
const char *const kNoHumidifier = "Aucun humidificateur n'est choisi, le calcul est arrêté";
// Information box; the run goes on with the flow capped.
const char *const kFreshAirCapped =
    "Le débit d'air neuf demandé est supérieur au débit de soufflage calculé,\ril a été modifié pour être égal au "
    "débit de soufflage. Pour réduire le %\rpourcentage d'air vous devez réduire l'écart de température au soufflage";
// Plain boxes; the run goes on with the surface temperature moved. The first
// keeps its trailing blank.
const char *const kSurfaceLowered = "La température de surface de la batterie froide à été modifiée pour\robtenir "
                                    "une efficacité maximum de la batterie de 95 % ";
const char *const kSurfaceRaised = "La température de surface de la batterie froide à été modifiée pour faire\r "
                                   "correspondre le point de sortie de la batterie avec le point de soufflage";

} // namespace brumelle
