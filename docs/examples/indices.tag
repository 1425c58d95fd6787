<size=16>n<sub>1</sub> sin <i>i</i> = n<sub>2</sub> sin <i>r</i>,
<i>c</i> = 3·10<sup>8</sup> м/с,
<i>x</i><sup>2</sup><sub>i</sub></size><p>
Слова можно <up=5>поднять<down=5> или <down=5>опустить<up=5>.<p>
Неразрывный пробел: 300<nbspc>000<nbspc>км/с; слитно: полу<nospace> жирный.<p>
