<style1><font=Times New Roman><size=13><b><color=#000080></style1>Обычный текст,
<style=style1>первый стиль,</style> снова обычный,
<style=style1>и опять первый</style>.<p>
