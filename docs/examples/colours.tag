<color=#0000FF>#0000FF — красный</color>, <color=#FF0000>#FF0000 — синий</color>,
<color=green>green</color>, <color=clNavy>clNavy</color>.<p>
<background=yellow>Фон под словами,</background> как маркером;
<background=#604020><color=white> светлое на тёмном </color></background>.<p>
<color=#00FF00><rgbgreen=50%>Зелёный вдвое темнее</color>.<p>
