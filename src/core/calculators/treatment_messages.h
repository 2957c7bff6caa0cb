#pragma once
// What more than one treatment tells the user, word for word.

namespace brumelle {

const char *const kInletTemperature =
    "La température sèche est en dehors des plages du diagramme, le calcul est arrêté";
const char *const kInletHumidity = "L'hygrométrie est en dehors des plages du diagramme, le calcul est arrêté";
const char *const kNegativeAirflow = "Le débit d'air est inférieur à 0, le calcul est arrêté";

} // namespace brumelle
